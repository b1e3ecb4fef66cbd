#include "crossword/screens/crossword_grid_access.h"

#include "crossword/screens/crossword_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace abacore {

namespace {

class GridTable;

class GridCell final : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    GridCell(GridTable* table, CrosswordView* view, int row, int column)
        : m_table(table), m_view(view), m_row(row), m_column(column) {}

    bool isValid() const override { return !m_view.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !m_view)
            return {};
        return QString::fromStdString(SpokenCell(m_view->page(), m_view->firstColumn() + m_column,
                                                 m_view->firstRow() + m_row,
                                                 m_view->answersShown()));
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!m_view)
            return {};
        const QRect local = m_view->cellRect(m_row, m_column);
        return QRect(m_view->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        if (m_view && m_view->focusPolicy() != Qt::NoFocus) {
            state.focusable = true;
            state.focused = m_view->hasFocus() && m_view->current() == QPoint(m_column, m_row);
        }
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    GridTable* m_table;
    QPointer<CrosswordView> m_view;
    int m_row, m_column;
};

class GridTable final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridTable(CrosswordView* view) : QAccessibleWidget(view, QAccessible::Table) {}
    ~GridTable() override {
        for (const QAccessible::Id id : std::as_const(m_cells))
            QAccessible::deleteAccessibleInterface(id);
    }

    CrosswordView* view() const { return static_cast<CrosswordView*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && view()->accessibleName().isEmpty())
            return QStringLiteral("Crossword grid");
        if (t == QAccessible::Description && view()->accessibleDescription().isEmpty())
            return QStringLiteral("%1 rows by %2 columns").arg(rowCount()).arg(columnCount());
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return rowCount() * columnCount(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        return cellAt(index / columnCount(), index % columnCount());
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        auto* cell =
            child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
        if (!cell || cell->table() != this)
            return -1;
        return cell->rowIndex() * columnCount() + cell->columnIndex();
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint local = view()->mapFromGlobal(QPoint(x, y));
        for (int row = 0; row < rowCount(); ++row)
            for (int column = 0; column < columnCount(); ++column)
                if (view()->cellRect(row, column).contains(local))
                    return cellAt(row, column);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        if (!view()->hasFocus())
            return nullptr;
        return cellAt(view()->current().y(), view()->current().x());
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
            return nullptr;
        const int index = row * columnCount() + column;
        if (const auto found = m_cells.constFind(index); found != m_cells.cend())
            return QAccessible::accessibleInterface(*found);
        auto* cell = new GridCell(const_cast<GridTable*>(this), view(), row, column);
        m_cells.insert(index, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override {
        return QStringLiteral("Column %1").arg(column + 1);
    }
    QString rowDescription(int row) const override { return QStringLiteral("Row %1").arg(row + 1); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return view()->columnCount(); }
    int rowCount() const override { return view()->rowCount(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    mutable QHash<int, QAccessible::Id> m_cells;
};

QWindow* GridCell::window() const {
    return m_table->window();
}

QAccessibleInterface* GridCell::parent() const {
    return m_table;
}

QAccessibleInterface* GridCell::table() const {
    return m_table;
}

QAccessibleInterface* GridFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("abacore::CrosswordView"))
        if (auto* view = qobject_cast<CrosswordView*>(object))
            return new GridTable(view);
    return nullptr;
}

} // namespace

void InstallCrosswordGridAccess() {
    static const bool installed = [] {
        QAccessible::installFactory(GridFactory);
        return true;
    }();
    (void)installed;
}

void AnnounceCurrentCell(CrosswordView& view) {
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(&view, QAccessible::Focus);
    event.setChild(view.current().y() * view.columnCount() + view.current().x());
    QAccessible::updateAccessibility(&event);
}

} // namespace abacore
