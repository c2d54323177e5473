#include "page/pagearg.h"

QString jsStringLiteral(const QString &text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        switch (u) {
        case '"': out += QLatin1String("\\\""); break;
        case '\\': out += QLatin1String("\\\\"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\t': out += QLatin1String("\\t"); break;
        // "</script>" must not close an enclosing script element.
        case '<': out += QLatin1String("\\x3C"); break;
        default:
            if (u < 0x20 || u == 0x2028 || u == 0x2029 || u == 0x7f)
                out += QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

QString pageArgsToScript(const PageArgs &args)
{
    QString out;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (i)
            out += QLatin1Char(',');
        const PageArg &a = args[i];
        if (std::holds_alternative<int>(a))
            out += QString::number(std::get<int>(a));
        else if (std::holds_alternative<QString>(a))
            out += jsStringLiteral(std::get<QString>(a));
        else
            out += QLatin1String("undefined");
    }
    return out;
}
