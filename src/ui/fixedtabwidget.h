#pragma once

#include <QWidget>

class QStackedWidget;

namespace ui {

// A page control whose page the program chooses, with its tabs in as many rows as their
// captions need: every caption is shown in full and none scrolls out of sight. The row of the
// chosen tab lies next to the page, as multi-row tabs do. The user cannot change the page:
// clicks, the keyboard and the mouse wheel leave the chosen page where it is.
class FixedTabWidget : public QWidget
{
    Q_OBJECT

public:
    explicit FixedTabWidget(QWidget *parent = nullptr);

    int addTab(QWidget *page, const QString &caption);
    int count() const;
    QString tabText(int index) const;

    // Makes `index` the page shown, as the program (not the user) decides.
    void choosePage(int index);
    int currentIndex() const;
    QWidget *currentWidget() const;

    // Where a tab is drawn, in this widget's coordinates.
    QRect tabRect(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;

private:
    QSize tabSize(int index) const;
    int tabHeight() const;
    // The tabs of each row, left to right, for rows no wider than `width`.
    QList<QList<int>> rowsFor(int width) const;
    int preferredWidth() const;
    void layOutTabs();

    QStackedWidget *m_stack;
    QStringList m_captions;
    QList<QRect> m_tabRects;
    int m_headerHeight = 0;
};

} // namespace ui
