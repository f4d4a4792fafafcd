#pragma once

#include <QString>

// What one finished tool run printed, and how it ended.
struct CommandResult
{
    QString standardOutput;
    QString standardError;
    qint32 terminationStatus = 0;
};
