#pragma once

#include <QMetaMethod>
#include <QMetaObject>
#include <QObject>

// A connection to a slot of an owner known only as an object with a slot of
// that signature ("setConstraints()"): the main window, or a stand-in for it.
// The signal is checked by the compiler; the slot is found by its signature,
// so the connection behaves as one made by name (unique connections to the
// same slot count as equal) and a missing slot is reported as Qt reports it.
template<typename Signal>
QMetaObject::Connection connectToOwnerSlot(const typename QtPrivate::FunctionPointer<Signal>::Object *sender,
                                           Signal signal, const QObject *owner, const char *slot,
                                           Qt::ConnectionType type = Qt::AutoConnection)
{
    const QMetaObject *meta = owner->metaObject();
    const int index = meta->indexOfSlot(slot);
    if (index < 0) {
        qWarning("QObject::connect: No such slot %s::%s", meta->className(), slot);
        return {};
    }
    return QObject::connect(sender, QMetaMethod::fromSignal(signal), owner, meta->method(index), type);
}
