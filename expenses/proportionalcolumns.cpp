#include "expenses/proportionalcolumns.h"

#include <QEvent>
#include <QHeaderView>
#include <QTableView>
#include <numeric>

namespace expenses {

ProportionalColumns::ProportionalColumns(QTableView* view, QList<int> weights)
    : QObject(view)
    , m_view(view)
    , m_weights(std::move(weights)) {
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->viewport()->installEventFilter(this);
}

bool ProportionalColumns::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_view->viewport() && event->type() == QEvent::Resize)
        apply();
    return QObject::eventFilter(watched, event);
}

void ProportionalColumns::apply() {
    const int total = std::accumulate(m_weights.begin(), m_weights.end(), 0);
    const int width = m_view->viewport()->width();
    if (total <= 0 || width <= 0)
        return;
    // The last column stretches into whatever rounding leaves over.
    for (int column = 0; column + 1 < m_weights.size(); ++column)
        m_view->horizontalHeader()->resizeSection(column, width * m_weights[column] / total);
}

} // namespace expenses
