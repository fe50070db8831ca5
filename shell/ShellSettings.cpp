#include "ShellSettings.h"

#include "Format.h"

#include <cmath>
#include <limits>

ShellSettings& shellSettings()
{
    static ShellSettings settings;
    return settings;
}

CommandLine parseCommandLine(const QStringList& argumentsAfterProgram)
{
    CommandLine c;
    c.text = argumentsAfterProgram.join(u' ');
    c.install = c.text.trimmed() == QStringLiteral("install");
    c.socks = c.text.contains(QStringLiteral("socks"), Qt::CaseSensitive);
    c.url = c.text.contains(QStringLiteral("url"), Qt::CaseSensitive);
    return c;
}

std::int32_t updateIntervalFromAnswer(const QString& answer, std::int32_t current)
{
    if (answer.trimmed().isEmpty())
        return current;
    const double seconds = roundHalfEven(textValue(answer));
    if (!(seconds >= kMinUpdateInterval))
        return kMinUpdateInterval;
    if (seconds >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(seconds);
}
