#include "SystemFonts.h"

#include <QFontDatabase>

SystemFonts::SystemFonts(QObject *parent)
    : QObject(parent)
{ }

QString SystemFonts::fixedFamily() const
{
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}
