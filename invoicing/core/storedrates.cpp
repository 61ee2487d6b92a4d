#include "invoicing/core/storedrates.h"

#include "invoicing/core/invoicetotals.h"

namespace invoicing {

namespace {

// Where the leading number of a text ends under a form: sign, digits, separators.
qsizetype leadingNumberEnd(QStringView text, const pellar::RegionalSettings& r) {
    qsizetype end = 0;
    while (end < text.size() && (text[end] == u' ' || text[end] == u'\t'))
        ++end;
    if (end < text.size() && text[end] == u'-')
        ++end;
    while (end < text.size() && ((text[end] >= u'0' && text[end] <= u'9') ||
                                 text[end] == r.decimalPoint || text[end] == r.groupSeparator))
        ++end;
    return end;
}

const pellar::RegionalSettings& commaDecimalForm() {
    static const pellar::RegionalSettings form = [] {
        pellar::RegionalSettings r;
        r.decimalPoint = u',';
        r.groupSeparator = u'.';
        return r;
    }();
    return form;
}

} // namespace

const pellar::RegionalSettings& storedRateForm() {
    static const pellar::RegionalSettings form = pellar::RegionalSettings::unitedStates();
    return form;
}

QString storedRate(QStringView typed, const pellar::RegionalSettings& r) {
    if (!leadingQuantity(typed, r))
        return typed.toString();
    const qsizetype end = leadingNumberEnd(typed, r);
    QString stored;
    for (QChar c : typed.left(end)) {
        if (c == r.decimalPoint)
            stored += u'.';
        else if (c != r.groupSeparator)
            stored += c;
    }
    stored += typed.mid(end);
    return stored;
}

QString shownRate(QStringView stored, const pellar::RegionalSettings& r) {
    QString shown = stored.toString();
    const qsizetype end = leadingNumberEnd(stored, storedRateForm());
    for (qsizetype i = 0; i < end; ++i) {
        if (shown[i] == u'.')
            shown[i] = r.decimalPoint;
    }
    return shown;
}

QString readStoredRate(QStringView fileText) {
    // Without a ',' the text is in the stored form already (or no number at all).
    if (!fileText.contains(u','))
        return fileText.toString();
    for (const pellar::RegionalSettings* form :
         {&pellar::RegionalSettings::current(), &storedRateForm(), &commaDecimalForm()}) {
        if (leadingQuantity(fileText, *form))
            return storedRate(fileText, *form);
    }
    return fileText.toString();
}

} // namespace invoicing
