#pragma once

#include <QAccessibleTableInterface>
#include <QAccessibleWidget>
#include <QCoreApplication>

class BoardView;
class QObject;
class QString;

// The board as a screen reader reads it: the game page, which holds the
// keyboard, is a table of the tiles in play, one cell per tile, and the
// tile under the keyboard's cue is its focused cell, as the current cell of
// a table view is. The table's own name says what it is, its description
// how it is played.
class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
    Q_DECLARE_TR_FUNCTIONS(BoardAccessible)

public:
    explicit BoardAccessible(QWidget *page);

    // The factory for QAccessible::installFactory: the game page, its tiles
    // and the client area that holds them get the interfaces of the board;
    // every other object the ones Qt gives it.
    static QAccessibleInterface *create(const QString &className, QObject *object);
    // Installs create() once per process, and makes sure the client area of
    // view and its game page get their interfaces from it, even where Qt
    // made them before the view existed.
    static void install(const BoardView &view);

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *focusChild() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface *> selectedCells() const override { return {}; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

private:
    // Looked up at each call: the view goes before the page when the window does.
    BoardView *view() const;
};
