#include "common/ui/alignmentpage.h"

#include "common/core/desk.h"
#include "common/core/folderlock.h"
#include "common/core/programcontext.h"
#include "common/ui/widgets.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace pellar::ui {

namespace {

QSpinBox* makeOffsetBox(QWidget* parent, const QString& name, const QString& tip) {
    auto* box = named(new QSpinBox(parent), name);
    box->setRange(-kLargestOffset, kLargestOffset);
    box->setSuffix(QCoreApplication::translate("AlignmentPage", " /100 in"));
    box->setToolTip(tip);
    box->setAccelerated(true);
    return box;
}

} // namespace

AlignmentPage::AlignmentPage(ProgramContext& context, QList<PrintedDocument> documents,
                             TestPage testPage, QWidget* parent)
    : QWidget(parent)
    , m_context(context) {
    setObjectName(QStringLiteral("pgAlignment"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        makeNote(this, tr("If your printer puts the entries a little off the lines of a "
                          "pre-printed form, move them here. Print a test page on plain "
                          "paper, hold it against the form, and correct the offsets.")));

    // Each document's test button has a letter of its own (a page has one or two documents).
    static const char* const kTestCaptions[] = {QT_TR_NOOP("Print &Test Page"),
                                                QT_TR_NOOP("Print Test &Page")};
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Move right"), this), 0, 1);
    grid->addWidget(new QLabel(tr("Move down"), this), 0, 2);
    int row = 1;
    for (const PrintedDocument document : documents) {
        const QString tag = QString::number(row - 1);
        auto* right = makeOffsetBox(this, QStringLiteral("spnAlignRight_") + tag,
                                    tr("Hundredths of an inch; negative moves left"));
        auto* down = makeOffsetBox(this, QStringLiteral("spnAlignDown_") + tag,
                                   tr("Hundredths of an inch; negative moves up"));
        auto* test = makeButton(this, QStringLiteral("cmdAlignTest_") + tag,
                                tr(kTestCaptions[std::min(row - 1, 1)]),
                                tr("Print where each entry will go, on plain paper"));
        grid->addWidget(
            makeLabel(this, QStringLiteral("lblAlign_") + tag, documentName(document), right), row,
            0);
        grid->addWidget(right, row, 1);
        grid->addWidget(down, row, 2);
        grid->addWidget(test, row, 3);
        m_rows.append({document, right, down});
        connect(test, &QPushButton::clicked, this, [this, document, testPage] {
            if (testPage)
                testPage(document, shown(document));
        });
        ++row;
    }
    layout->addLayout(grid);

    auto* saveButton = makeButton(this, QStringLiteral("cmdSaveAlignment"), tr("S&ave Offsets"),
                                  tr("Keep these offsets for every print from now on"));
    connect(saveButton, &QPushButton::clicked, this, [this] { save(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);
    layout->addLayout(buttons);
    m_note = makeNote(this, QString());
    m_note->setObjectName(QStringLiteral("lblAlignmentNote"));
    layout->addWidget(m_note);
    layout->addStretch();
    load();
}

void AlignmentPage::load() {
    const PrintAlignmentRead read = readPrintAlignment(m_context.data);
    m_loaded = read.alignment;
    showOffsets(m_loaded);
    m_note->setText(read.problem);
}

void AlignmentPage::showOffsets(const PrintAlignment& alignment) {
    for (const Row& row : m_rows) {
        const AlignmentOffsets offsets = alignment.offsets(row.document);
        row.right->setValue(offsets.right);
        row.down->setValue(offsets.down);
    }
}

AlignmentOffsets AlignmentPage::shown(PrintedDocument document) const {
    for (const Row& row : m_rows) {
        if (row.document == document)
            return {row.right->value(), row.down->value()};
    }
    return {};
}

bool AlignmentPage::save() {
    for (;;) {
        // Read again under the lock: the other programs' documents keep what the file holds
        // now (nothing, when it is damaged), and this page's are not written over offsets
        // another copy saved since the page was filled.
        PrintAlignment now;
        bool changedElsewhere = false;
        const FileResult written = underFolderLock(m_context.data, [&] {
            now = readPrintAlignment(m_context.data).alignment;
            PrintAlignment alignment = now;
            for (const Row& row : m_rows) {
                const AlignmentOffsets inFile = now.offsets(row.document);
                if (inFile != m_loaded.offsets(row.document) && inFile != shown(row.document))
                    changedElsewhere = true;
                alignment.setOffsets(row.document, shown(row.document));
            }
            return changedElsewhere ? FileResult::success()
                                    : savePrintAlignment(m_context.data, alignment);
        });
        if (!written || !changedElsewhere) {
            if (written) {
                m_loaded = now;
                for (const Row& row : m_rows)
                    m_loaded.setOffsets(row.document, shown(row.document));
            }
            m_note->setText(written ? tr("The offsets are saved.") : written.error);
            return bool(written);
        }
        m_loaded = now;
        if (m_context.desk.message(
                tr("Print Offsets"),
                {tr("Another copy of the program saved other offsets for these "
                    "documents after this page showed them."),
                 tr("Save the offsets on this page over them? No keeps the other "
                    "offsets and shows them here.")},
                MessageButtons::YesNo, MessageIcon::Question) != MessageAnswer::Yes) {
            showOffsets(now);
            m_note->setText(tr("The offsets another copy saved are shown."));
            return true;
        }
    }
}

} // namespace pellar::ui
