#include "common/core/csv.h"

namespace pellar {

QString plainAmount(Currency amount) {
    QString text = amount.toPlainString();
    const qsizetype point = text.indexOf(u'.');
    if (point < 0)
        return text + QStringLiteral(".00");
    if (text.size() - point - 1 < 2)
        text += u'0';
    return text;
}

bool looksLikeFormula(const QString& text) {
    if (text.isEmpty())
        return false;
    const QChar first = text.front();
    return first == u'=' || first == u'+' || first == u'-' || first == u'@' || first == u'\t' ||
           first == u'\r';
}

void appendQuoted(QString& out, const QString& text) {
    out += u'"';
    if (looksLikeFormula(text))
        out += u'\'';
    if (!text.contains(u'"')) {
        out += text;
    } else {
        for (const QChar c : text) {
            if (c == u'"')
                out += u'"';
            out += c;
        }
    }
    out += u'"';
}

} // namespace pellar
