// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "SystemFonts.h"

#include <QEvent>
#include <QFontDatabase>
#include <QGuiApplication>

SystemFonts::SystemFonts(QObject *parent)
    : QObject(parent)
{
    qGuiApp->installEventFilter(this);
}

QFont SystemFonts::defaultFont() const
{
    return QGuiApplication::font();
}

QString SystemFonts::fixedFamily() const
{
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}

bool SystemFonts::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == qGuiApp && event->type() == QEvent::ApplicationFontChange)
        Q_EMIT defaultFontChanged();
    return QObject::eventFilter(watched, event);
}
