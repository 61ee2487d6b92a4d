#pragma once
// The invoice options: how invoices are taxed, how labor is charged, which add-ons each new
// invoice starts with, the early-payment discount, colour and the remittance section.
// Stored as one quoted-field record of 16 fields in "\InvoiceInfo.txt".
//
// While the program runs it holds the options (Billwright::options()); the setup form edits
// them, so a change there applies at once to the next invoice.

#include "common/core/datafiles.h"
#include "common/core/fileresult.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace invoicing {

inline constexpr const char16_t* kOptionsFile = u"\\InvoiceInfo.txt";

// A check-box option: 0 clear, 1 ticked, 2 greyed. Anything but 0 counts as ticked unless
// a reader says otherwise (the discount add-on wants exactly 1).
using CheckValue = quint8;
inline constexpr CheckValue kClear = 0;
inline constexpr CheckValue kTicked = 1;
inline constexpr CheckValue kGreyed = 2;

enum class TaxMode { MaterialAndLabor, MaterialOnly, None };
enum class LaborMode { Flat, Calculated };

// The fields in record order; the comment names the setup form's control.
struct InvoiceOptions {
    bool taxAll = false;                      // optAll: tax material and labor
    bool taxMaterial = false;                 // optMaterial: tax item lines only
    bool noTax = true;                        // optNoTax
    bool laborFlat = true;                    // optFlat: labor typed as an amount
    bool laborCalculated = false;             // optCal: hours times the hourly rate
    QString taxRate = QStringLiteral("0.0");  // cboRate: percent, stored form (storedrates.h)
    CheckValue laborAddOn = kClear;           // ckLabor
    CheckValue shippingAddOn = kClear;        // ckShipping
    CheckValue miscAddOn = kClear;            // ckMisc: additional charges or credit
    QString hourlyRate = QStringLiteral("0"); // txtRate, stored form
    CheckValue color = kTicked;               // ckColor: print in colour
    QString discountPercent = QStringLiteral("0.0"); // cboDiscount, stored form
    QString discountDays = QStringLiteral("0");      // cboDays
    CheckValue discountAddOn = kClear;               // ckDiscount
    bool plainPaper = false;                         // optPlain: no remittance section
    bool remittance = true;                          // optReturn: perforated remittance slip

    TaxMode taxMode() const;
    LaborMode laborMode() const;
    bool printInColor() const { return color != kClear; }

    void setTaxMode(TaxMode mode);
    void setLaborMode(LaborMode mode);
    void setRemittance(bool withSlip);

    // Each of the three option groups holds exactly one true field: the last true one in
    // record order wins, and a group with none true takes its default.
    void settleGroups();

    bool operator==(const InvoiceOptions&) const = default;
};

// The 16-field record, CR LF ended.
QByteArray encodeInvoiceOptions(const InvoiceOptions& options);

struct InvoiceOptionsRead {
    InvoiceOptions options;
    bool found = false; // the file existed (perhaps after a restore from the backup folder)
    QString problem;    // plain words when a field was missing or unreadable
};

// Reads a record: a missing or unreadable field keeps its default; groups are settled.
InvoiceOptionsRead decodeInvoiceOptions(const QByteArray& bytes);

// The options file, or the defaults when there is none. No file is written.
// (`LoadInvoiceOptions`, `SaveInvoiceOptions`)
InvoiceOptionsRead loadInvoiceOptions(const pellar::DataFolder& folder);
pellar::FileResult saveInvoiceOptions(const pellar::DataFolder& folder,
                                      const InvoiceOptions& options);

} // namespace invoicing
