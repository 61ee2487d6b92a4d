#include "expenses/ui/proportionalcolumns.h"

#include <QEvent>
#include <QHeaderView>
#include <QTableView>
#include <numeric>

namespace expenses {

ProportionalColumns::ProportionalColumns(QTableView* view, QList<int> weights)
    : QObject(view)
    , m_viewport(view->viewport())
    , m_header(view->horizontalHeader())
    , m_weights(std::move(weights)) {
    m_header->setStretchLastSection(true);
    m_viewport->installEventFilter(this);
}

bool ProportionalColumns::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && watched == m_viewport)
        apply();
    return QObject::eventFilter(watched, event);
}

void ProportionalColumns::apply() {
    const int total = std::accumulate(m_weights.begin(), m_weights.end(), 0);
    if (!m_viewport || !m_header)
        return;
    const int width = m_viewport->width();
    if (total <= 0 || width <= 0)
        return;
    // The last column stretches into whatever rounding leaves over.
    for (int column = 0; column + 1 < m_weights.size(); ++column)
        m_header->resizeSection(column, width * m_weights[column] / total);
}

} // namespace expenses
