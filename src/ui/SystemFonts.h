// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// The platform's fonts as QML needs them: the default font, followed when the
// user changes it while the window is open, and the family of the monospaced
// design.
class SystemFonts : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    Q_PROPERTY(QFont defaultFont READ defaultFont NOTIFY defaultFontChanged FINAL)
    Q_PROPERTY(QString fixedFamily READ fixedFamily CONSTANT FINAL)

public:
    explicit SystemFonts(QObject *parent = nullptr);

    QFont defaultFont() const;
    QString fixedFamily() const;

Q_SIGNALS:
    void defaultFontChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
