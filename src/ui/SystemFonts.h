#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// The platform's fonts that QML cannot name by itself: the monospaced design
// of the text styles follows the user's fixed-width font.
class SystemFonts : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    Q_PROPERTY(QString fixedFamily READ fixedFamily CONSTANT FINAL)

public:
    explicit SystemFonts(QObject *parent = nullptr);

    QString fixedFamily() const;
};
