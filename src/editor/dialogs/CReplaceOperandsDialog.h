#pragma once
// Edit → Replace operands: a range ("D100-D199") and a new start ("D300"), with a preview of every use
// that would move and every one that could not. "Replace" is offered only while nothing is refused; it
// asks the editing document for the replace, one undoable step.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace zl
{

class CEditorDocument;

class CReplaceOperandsDialog : public QDialog
{
    Q_OBJECT
public:
    CReplaceOperandsDialog(CEditorDocument& document, QWidget* parent = nullptr);

    QLineEdit* fromEdit() const { return m_from; }
    QLineEdit* toEdit() const { return m_to; }
    QTreeWidget* preview() const { return m_preview; }
    QLabel* summary() const { return m_summary; }
    QPushButton* replaceButton() const { return m_replace; }

public slots:
    // Replaces (when the preview allows it) and closes.
    void accept() override;

private:
    void updatePreview();

    CEditorDocument& m_document;
    QLineEdit* m_from;
    QLineEdit* m_to;
    QTreeWidget* m_preview;
    QLabel* m_summary;
    QPushButton* m_replace;
};

} // namespace zl
