#pragma once
// The split summary "fraSplit": the lines entered so far, shown over the category panel
// so that nothing under it changes while the person reviews them, with the way on
// ("&Continue" posts them) and the way back ("&Redo").

#include <QGroupBox>

class QPushButton;
class QTableView;

namespace expenses {

class SplitLinesModel;
struct SplitLine;

class SplitSummary : public QGroupBox {
    Q_OBJECT
public:
    explicit SplitSummary(QWidget* parent);

    void showLines(const QList<SplitLine>& lines);
    // Shown over `frame`, the focus on "&Continue".
    void showOver(const QWidget* frame);
    // Follows the frame it covers when that moves or changes size.
    void follow(const QWidget* frame);

signals:
    void continueClicked();
    void redoClicked();

private:
    SplitLinesModel* m_model;
    QTableView* m_lines;
    QPushButton* m_redo;
    QPushButton* m_continue;
};

} // namespace expenses
