#include "app/core/SiteConfig.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QUrl>
#include <algorithm>
#include <optional>
#include <utility>

namespace {

constexpr int kMaxLabelLength = 63;

bool isLabel(QStringView label)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9](?:[A-Za-z0-9-]*[A-Za-z0-9])?$"));
    return label.size() <= kMaxLabelLength && pattern.match(label).hasMatch();
}

QString nameProblem(QStringView name)
{
    if (name.startsWith(QLatin1Char('['))) {
        QUrl url;
        url.setHost(name.toString(), QUrl::StrictMode);
        return name.endsWith(QLatin1Char(']')) && url.isValid() && name.contains(QLatin1Char(':'))
            ? QString()
            : QStringLiteral("not an IPv6 address in brackets");
    }
    for (QStringView label : name.split(QLatin1Char('.'))) {
        if (label.isEmpty())
            return QStringLiteral("a part of the host name between dots is empty");
        if (!isLabel(label))
            return QStringLiteral("a part of the host name is not up to 63 letters, digits and inner hyphens");
    }
    return QString();
}

QString portProblem(QStringView port)
{
    bool number = false;
    const int value = port.toInt(&number);
    const bool digits = !port.isEmpty() && std::all_of(port.begin(), port.end(), [](QChar c) { return c.isDigit(); });
    return digits && number && value >= 1 && value <= 65535
        ? QString()
        : QStringLiteral("the port is not a number from 1 to 65535");
}

bool isHttpAddress(const QString &value)
{
    const QUrl url(value, QUrl::StrictMode);
    return url.isValid() && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))
        && !url.host().isEmpty();
}

bool sameName(QStringView a, QLatin1StringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Windows editors save "Unicode" as UTF-16 with a byte order mark, and "ANSI"
// in the local code page, which is read as Latin-1 where it is no UTF-8.
QString decodeIni(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringConverter::encodingForData(bytes, u'[').value_or(QStringConverter::Utf8));
    const QString text = decoder(bytes);
    return decoder.hasError() ? QString::fromLatin1(bytes) : text;
}

// A line "[Name]" opens a section, and so does one that ends in it after
// stray bytes (left there by an editor), unless those hold a key's '='.
std::optional<QStringView> sectionName(QStringView line)
{
    const qsizetype open = line.lastIndexOf(QLatin1Char('['));
    if (!line.endsWith(QLatin1Char(']')) || open < 0 || line.first(open).contains(QLatin1Char('=')))
        return std::nullopt;
    return line.sliced(open + 1).chopped(1).trimmed();
}

QString unquoted(QStringView value)
{
    const bool quoted = value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"'));
    return (quoted ? value.sliced(1).chopped(1) : value).toString();
}

// Takes value for key of [Site], or says why not.
QString takeKey(SiteConfig &config, QStringView key, const QString &value)
{
    const std::pair<const char *, QString SiteConfig::*> hosts[] = {
        {"ItemServer", &SiteConfig::itemServer}, {"MainHost", &SiteConfig::mainHost},
        {"PageHost", &SiteConfig::pageHost},     {"SecureHost", &SiteConfig::secureHost},
        {"LoginHost", &SiteConfig::loginHost},   {"ComplaintHost", &SiteConfig::complaintHost},
        {"SearchUS", &SiteConfig::searchUS},     {"SearchUK", &SiteConfig::searchUK},
    };
    for (const auto &[name, field] : hosts) {
        if (!sameName(key, QLatin1String(name)))
            continue;
        const QString problem = hostProblem(value);
        if (problem.isEmpty())
            config.*field = value;
        return problem;
    }
    if (sameName(key, QLatin1String("MakerSite"))) {
        if (!isHttpAddress(value))
            return QStringLiteral("not an http or https address");
        config.makerSite = value.endsWith(QLatin1Char('/')) ? value.chopped(1) : value;
        return QString();
    }
    return QStringLiteral("no such key");
}

} // namespace

QString siteConfigFileName()
{
    return QStringLiteral("gavrin.ini");
}

QString hostProblem(const QString &value)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    if (value.isEmpty())
        return QStringLiteral("empty");
    if (scheme.match(value).hasMatch())
        return QStringLiteral("an address with a scheme; give the host alone");
    if (value.contains(QLatin1Char('/')) || value.contains(QLatin1Char('?')) || value.contains(QLatin1Char('#')))
        return QStringLiteral("has a path or more after the host");
    const qsizetype bracketEnd = value.lastIndexOf(QLatin1Char(']'));
    const qsizetype colon = value.lastIndexOf(QLatin1Char(':'));
    const bool hasPort = colon > bracketEnd;
    const QStringView whole(value);
    const QStringView name = hasPort ? whole.first(colon) : whole;
    if (const QString problem = nameProblem(name); !problem.isEmpty())
        return problem;
    return hasPort ? portProblem(whole.sliced(colon + 1)) : QString();
}

SiteConfig loadSiteConfig(const QString &iniPath, QStringList *ignored)
{
    SiteConfig config;
    const auto told = [&config, ignored](const QString &why) {
        if (ignored)
            *ignored << why;
        return config;
    };
    const QFileInfo info(iniPath);
    if (!info.exists())
        return config;
    // A named pipe would hold the start in the open.
    if (!info.isFile())
        return told(QStringLiteral("not a regular file"));
    QFile file(iniPath);
    if (!file.open(QIODevice::ReadOnly))
        return told(QStringLiteral("cannot be read: %1").arg(file.errorString()));
    const QString text = decodeIni(file.readAll());
    if (text.contains(QChar(0)))
        return told(QStringLiteral("not text; save it as UTF-8, or as UTF-16 with a byte order mark"));
    QStringList notTaken;
    bool inSite = false;
    bool sawSite = false;
    int taken = 0;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (const auto section = sectionName(line)) {
            inSite = sameName(*section, QLatin1String("Site"));
            sawSite = sawSite || inSite;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inSite || equals < 0)
            continue;
        const QStringView key = line.first(equals).trimmed();
        const QString value = unquoted(line.sliced(equals + 1).trimmed());
        const QString problem = takeKey(config, key, value);
        if (problem.isEmpty())
            ++taken;
        else
            notTaken << QStringLiteral("%1=%2: %3").arg(key.toString(), value, problem);
    }
    if (!taken && notTaken.isEmpty())
        notTaken << (sawSite ? QStringLiteral("no keys in [Site]") : QStringLiteral("no [Site] section"));
    if (ignored)
        *ignored << notTaken;
    return config;
}
