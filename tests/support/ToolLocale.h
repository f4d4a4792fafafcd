#pragma once

#include <QByteArray>
#include <QList>

#include <optional>
#include <utility>

// Sets the locale that child processes inherit (LC_ALL and LANG, with
// LC_MESSAGES and LANGUAGE removed so nothing overrides them) and restores the
// previous environment when it goes out of scope. CUPS tools print their
// messages in this locale; the test process's own locale stays as it was.
class ToolLocale
{
public:
    explicit ToolLocale(const QByteArray &locale);
    ~ToolLocale();
    Q_DISABLE_COPY_MOVE(ToolLocale)

private:
    QList<std::pair<QByteArray, std::optional<QByteArray>>> m_saved;
};
