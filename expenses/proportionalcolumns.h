#pragma once
// Keeps a grid's columns in fixed proportions of its width as the window is resized, as
// the expense form's grids are laid out by character counts.

#include <QList>
#include <QObject>

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

    QTableView* m_view;
    QList<int> m_weights;
};

} // namespace expenses
