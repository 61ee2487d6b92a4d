#pragma once
// The page of a setup form where the person corrects where a printer puts each document:
// right and down in hundredths of an inch, a test page on plain paper to hold against the
// real form, and a save that keeps the offsets other programs of the family set.

#include "common/core/printalignment.h"

#include <QList>
#include <QWidget>
#include <functional>

class QLabel;
class QSpinBox;

namespace pellar {
struct ProgramContext;
}

namespace pellar::ui {

class AlignmentPage : public QWidget {
    Q_OBJECT

public:
    // Prints the test page of a document with the offsets shown (saved or not).
    using TestPage = std::function<void(PrintedDocument, AlignmentOffsets)>;

    AlignmentPage(ProgramContext& context, QList<PrintedDocument> documents, TestPage testPage,
                  QWidget* parent = nullptr);

    // The offsets as shown for a document of this page.
    AlignmentOffsets shown(PrintedDocument document) const;
    // The person moved the document's offsets since the page was filled or saved.
    bool changed(PrintedDocument document) const {
        return shown(document) != m_loaded.offsets(document);
    }
    // Writes the shown offsets; false, told on the page, when the file cannot be written.
    bool save();

private:
    struct Row {
        PrintedDocument document;
        QSpinBox* right;
        QSpinBox* down;
    };
    void load();
    void showOffsets(const PrintAlignment& alignment);

    ProgramContext& m_context;
    // The offsets as the page was filled: a save finds out whether another copy has saved
    // different ones for this page's documents since.
    PrintAlignment m_loaded;
    QList<Row> m_rows;
    QLabel* m_note;
};

} // namespace pellar::ui
