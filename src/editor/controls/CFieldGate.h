#pragma once
// Where a bound control's writes go: straight into its field, or through a gate that runs the write (the
// editing document records it as an undoable step).
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QStatusTipEvent>
#include <QToolTip>
#include <QWidget>

#include <functional>
#include <utility>

namespace zl
{

class CFieldGate
{
public:
    using Gate = std::function<void(const std::function<void()>& write)>;
    void setGate(Gate gate) { m_gate = std::move(gate); }

protected:
    void write(const std::function<void()>& w) const
    {
        if (m_gate)
            m_gate(w);
        else
            w();
    }

    // Undo and redo belong to the editing document, not to the field's own text: a field lets their
    // shortcuts through (call from event() for a ShortcutOverride).
    static bool leavesUndoToTheDocument(QEvent* event)
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo);
    }

    // A short note on what the field did with the user's entry: in the main window's status bar, or
    // beside the field where no window shows status tips.
    static void tellUser(QWidget* field, const QString& message)
    {
        QStatusTipEvent tip(message);
        if (!QCoreApplication::sendEvent(field, &tip))
            QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), message, field);
    }

private:
    Gate m_gate;
};

} // namespace zl
