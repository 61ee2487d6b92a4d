#pragma once
// The result frame "fraContactsFound": the contacts a search found, or every contact for
// the printable list, with the pop-up menu that leads to the chosen one.

#include "expenses/core/contactsearch.h"

#include <QGroupBox>

class QAction;
class QMenu;
class QPushButton;
class QTableView;

namespace expenses {

class ContactsFoundModel;

class ContactResultsPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit ContactResultsPanel(QWidget* parent);

    const ContactsFoundModel& found() const { return *m_model; }
    // Replaces every row; the first match starts out chosen, so the pop-up menu has a row
    // even before a click.
    void setFound(const QList<FoundContact>& found);
    // Shown with its title; the print buttons only on the full list.
    void showAs(const QString& title, bool printable);
    void focusGrid();

    // The row under a point of the grid's viewport becomes the chosen one: the row the
    // person right-clicks is the one the pop-up menu acts on. False over no row.
    bool chooseAt(const QPoint& viewportPos);
    QList<QWidget*> tabChain() const;

signals:
    // "Select Recipient" on the chosen row's record; 0 when none is chosen.
    void selectClicked(qint64 record);
    void printClicked();
    void previewClicked();
    void savePdfClicked();
    void alignmentClicked();
    void hideClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPopup(const QPoint& viewportPos, bool fromMouse);

    ContactsFoundModel* m_model;
    QTableView* m_grid;
    QPushButton* m_print;
    QPushButton* m_preview;
    QPushButton* m_savePdf;
    QPushButton* m_alignment;
    QPushButton* m_hide;
    QMenu* m_popup;
    QAction* m_select;
};

} // namespace expenses
