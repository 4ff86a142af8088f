#include "soundends.h"

#include "mplay.h"

#include <QAtomicInt>
#include <QMetaMethod>
#include <QObject>

// Qt's hook for signal spies (QtCore exports it for its test tools).
struct QSignalSpyCallbackSet {
    typedef void (*BeginCallback)(QObject *caller, int signal_or_method_index, void **argv);
    typedef void (*EndCallback)(QObject *caller, int signal_or_method_index);
    BeginCallback signal_begin_callback, slot_begin_callback;
    EndCallback signal_end_callback, slot_end_callback;
};
void Q_CORE_EXPORT qt_register_signal_spy_callbacks(QSignalSpyCallbackSet *callback_set);

namespace {
QAtomicInt ends;
std::function<void()> nextend;

// The hook numbers signals among the signals of the class and its bases.
int signalnumber(const QMetaObject &meta, const char *signature)
{
    int number = 0;
    for (int m = 0; m < meta.methodCount(); ++m) {
        const QMetaMethod method = meta.method(m);
        if (method.methodType() != QMetaMethod::Signal)
            continue;
        if (method.methodSignature() == signature)
            return number;
        ++number;
    }
    return -1;
}

void onsignal(QObject *caller, int index, void **)
{
    static const int playstopped = signalnumber(MPlay::staticMetaObject, "playstopped()");
    if (index != playstopped || !qobject_cast<MPlay *>(caller))
        return;
    ends.fetchAndAddRelaxed(1);
    if (nextend) {
        const std::function<void()> action = std::move(nextend);
        nextend = nullptr;
        action();
    }
}

QSignalSpyCallbackSet callbacks = {onsignal, nullptr, nullptr, nullptr};
}

SoundEnds::SoundEnds()
{
    ends = 0;
    qt_register_signal_spy_callbacks(&callbacks);
}

SoundEnds::~SoundEnds()
{
    qt_register_signal_spy_callbacks(nullptr);
    nextend = nullptr;
}

int SoundEnds::count() const
{
    return ends.loadRelaxed();
}

void SoundEnds::reset()
{
    ends = 0;
}

void SoundEnds::atnextend(std::function<void()> action)
{
    nextend = std::move(action);
}
