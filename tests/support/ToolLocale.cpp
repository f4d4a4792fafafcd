#include "ToolLocale.h"

#include <QtGlobal>

namespace {

constexpr const char *variables[] = {"LC_ALL", "LANG", "LC_MESSAGES", "LANGUAGE"};

} // namespace

ToolLocale::ToolLocale(const QByteArray &locale)
{
    for (const char *name : variables) {
        m_saved.append({name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt});
        qunsetenv(name);
    }
    qputenv("LC_ALL", locale);
    qputenv("LANG", locale);
}

ToolLocale::~ToolLocale()
{
    for (const auto &[name, value] : std::as_const(m_saved)) {
        if (value)
            qputenv(name.constData(), *value);
        else
            qunsetenv(name.constData());
    }
}
