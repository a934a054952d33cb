// Tools → Operands and Edit → Replace operands: the list follows the project, filters, sorts and marks
// conflicts; choosing a row selects the component without an edit; the replace previews every change and
// refusal and applies as one step that undo takes back to the bytes.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTreeWidget>
#include <QUndoStack>

#include "EditorTesting.h"
#include "components/CRegister.h"
#include "editor/COperandsDock.h"
#include "editor/dialogs/CReplaceOperandsDialog.h"

using namespace zl;
using namespace zl::test;

class OperandsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Editor> e;

    COperandsDock& dock() const { return e->frame->operandsView(); }
    // A register of `words` words at `address`, placed as one step and left unselected.
    void addRegister(std::uint16_t address, std::uint8_t words, int panelY)
    {
        auto reg = std::make_unique<CRegister>(e->project().protocol(), CPoint{0, 0});
        reg->address = address;
        reg->wordCount = words;
        e->doc().placeComponent(std::move(reg), CPoint{0, panelToCanvas(panelY)});
        e->doc().clearSelection();
    }
    QString text(const COperandUse& u) const { return QString::fromStdString(u.text); }
    QString operand(std::uint16_t address) const
    {
        const auto& t = e->project().tables();
        return QString::fromStdString(t.wordList.front() + operandAddressText(t, t.wordList.front(), address));
    }

private slots:
    void init()
    {
        e = std::make_unique<Editor>();
        e->newProject();
        addRegister(10, 2, 0);
        addRegister(11, 1, 16);
        addRegister(40, 1, 32);
        e->doc().undoStack().clear();
    }

    void listsFiltersSortsAndMarksConflicts()
    {
        dock().show();
        QTableView* table = dock().table();
        QCOMPARE(table->model()->rowCount(), 3);
        // Sorted by operand: 10, 11, 40; the 2-word register at 10 reaches over 11.
        table->sortByColumn(COperandTableModel::kOperand, Qt::AscendingOrder);
        const auto cell = [&](int row, int column) { return table->model()->index(row, column); };
        QCOMPARE(cell(0, COperandTableModel::kOperand).data().toString(), operand(10));
        QCOMPARE(cell(2, COperandTableModel::kOperand).data().toString(), operand(40));
        QVERIFY(cell(0, 0).data(Qt::BackgroundRole).isValid());
        QVERIFY(cell(1, 0).data(Qt::BackgroundRole).isValid());
        QVERIFY(!cell(2, 0).data(Qt::BackgroundRole).isValid());
        QVERIFY(cell(0, COperandTableModel::kProblems).data().toString().contains(QStringLiteral("overlaps")));

        dock().textFilter()->setText(operand(40));
        QCOMPARE(table->model()->rowCount(), 1);
        dock().textFilter()->clear();
        QCOMPARE(dock().typeFilter()->count(), 2); // any, and the one word type
        dock().windowFilter()->setCurrentIndex(1);
        QCOMPARE(table->model()->rowCount(), 3);

        // The list follows an edit and its undo.
        addRegister(60, 1, 48);
        QCOMPARE(table->model()->rowCount(), 4);
        e->doc().undoStack().undo();
        QCOMPARE(table->model()->rowCount(), 3);
    }

    void choosingARowSelectsTheComponentWithoutAnEdit()
    {
        dock().show();
        QTableView* table = dock().table();
        table->sortByColumn(COperandTableModel::kOperand, Qt::AscendingOrder);
        const QModelIndex last = table->model()->index(2, COperandTableModel::kOperand);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(last).center());
        QVERIFY(e->doc().hasSelection());
        QCOMPARE(e->doc().selectedComponent()->address, 40);
        QCOMPARE(e->doc().undoStack().count(), 0);
        QVERIFY(!e->doc().isModified());
        QCOMPARE(table->currentIndex().siblingAtColumn(COperandTableModel::kOperand).data().toString(), operand(40));
    }

    void replacePreviewsRefusalsAndIsOneStep()
    {
        const Bytes before = WriteProject(e->project());
        CReplaceOperandsDialog dialog(e->doc());
        dialog.fromEdit()->setText(operand(10) + QStringLiteral("-") + operand(11));
        dialog.toEdit()->setText(operand(39)); // 11 would land on 40, which stays
        QCOMPARE(dialog.preview()->topLevelItemCount(), 2);
        QVERIFY(!dialog.replaceButton()->isEnabled());
        QVERIFY(dialog.preview()->topLevelItem(1)->text(1).contains(QStringLiteral("would collide")));

        dialog.toEdit()->setText(operand(100));
        QCOMPARE(dialog.preview()->topLevelItemCount(), 2);
        QVERIFY(dialog.replaceButton()->isEnabled());
        dialog.accept();
        QCOMPARE(e->doc().undoStack().count(), 1);
        QCOMPARE(e->doc().undoStack().undoText(), QStringLiteral("Replace operands"));
        const Bytes after = WriteProject(e->project());
        QVERIFY(after != before);
        e->doc().undoStack().undo();
        QVERIFY(WriteProject(e->project()) == before);
        e->doc().undoStack().redo();
        QVERIFY(WriteProject(e->project()) == after);
    }

    void menusOfferBoth()
    {
        QVERIFY(e->frame->replaceOperandsAction());
        QVERIFY(!dock().isVisible());
        dock().toggleViewAction()->trigger();
        QVERIFY(dock().isVisible());
    }
};

QTEST_MAIN(OperandsTest)
#include "OperandsTest.moc"
