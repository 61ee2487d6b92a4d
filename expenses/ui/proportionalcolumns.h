#pragma once
// Keeps a grid's columns in fixed proportions of its width as the window is resized, as
// the expense form's grids are laid out by character counts.

#include <QList>
#include <QObject>
#include <QPointer>

class QHeaderView;
class QTableView;

namespace expenses {

class ProportionalColumns : public QObject {
public:
    // The weights, one per column; the object belongs to the view.
    ProportionalColumns(QTableView* view, QList<int> weights);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply();

    // The viewport and header, not the view: the viewport still sends events while the
    // view's destructor runs, when the view can no longer be asked for its parts.
    QPointer<QWidget> m_viewport;
    QPointer<QHeaderView> m_header;
    QList<int> m_weights;
};

} // namespace expenses
