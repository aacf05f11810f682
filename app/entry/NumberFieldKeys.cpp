#include "entry/NumberFieldKeys.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

namespace {

constexpr int kWheelNotch = 120;  // eighths of a degree

struct StepKey {
    int key;
    int delta;
};
constexpr StepKey kStepKeys[] = {
    {Qt::Key_Up, 1},
    {Qt::Key_Down, -1},
    {Qt::Key_PageUp, NumberFieldKeys::kPageStep},
    {Qt::Key_PageDown, -NumberFieldKeys::kPageStep},
};

int StepOf(const QKeyEvent& event)
{
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return 0;
    for (const StepKey& step : kStepKeys)
        if (step.key == event.key())
            return step.delta;
    return 0;
}

}  // namespace

NumberFieldKeys::NumberFieldKeys(QLineEdit* field) : QObject(field), field_(field) { }

NumberFieldKeys* NumberFieldKeys::attachTo(QLineEdit* field)
{
    auto* keys = new NumberFieldKeys(field);
    field->installEventFilter(keys);
    return keys;
}

bool NumberFieldKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != field_ || field_->isReadOnly())
        return false;
    if (event->type() == QEvent::KeyPress) {
        const int delta = StepOf(*static_cast<QKeyEvent*>(event));
        if (delta != 0)
            emit stepRequested(delta);
        return delta != 0;
    }
    if (event->type() == QEvent::Wheel)
        return wheelSteps(static_cast<QWheelEvent*>(event)->angleDelta().y());
    return false;
}

// Fine-grained wheels and touchpads send parts of a notch; they add up.
bool NumberFieldKeys::wheelSteps(int angleDelta)
{
    if (angleDelta == 0)
        return false;
    if ((angleDelta > 0) != (pendingWheel_ > 0))
        pendingWheel_ = 0;
    pendingWheel_ += angleDelta;
    const int steps = pendingWheel_ / kWheelNotch;
    pendingWheel_ -= steps * kWheelNotch;
    if (steps != 0)
        emit stepRequested(steps);
    return true;
}
