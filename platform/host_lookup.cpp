#include "platform/host_lookup.h"

#include <QMetaObject>
#include <QUrl>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "platform/native_tcp.h"

namespace horavia {

// Shared by the lookup's thread and the object; the object lets go by clearing receiver.
struct HostLookup::Pending {
    std::mutex mutex;
    HostLookup* receiver = nullptr;
};

namespace {

QList<QHostAddress> ToAddresses(const std::vector<std::string>& numeric) {
    QList<QHostAddress> addresses;
    for (const std::string& text : numeric) {
        const QHostAddress address(QString::fromStdString(text));
        if (!address.isNull()) addresses.append(address);
    }
    return addresses;
}

}  // namespace

HostLookup::HostLookup(QObject* parent) : QObject(parent) {}

HostLookup::~HostLookup() {
    Abort();
}

void HostLookup::Abort() {
    if (!pending_) return;
    {
        const std::lock_guard<std::mutex> lock(pending_->mutex);
        pending_->receiver = nullptr;
    }
    pending_.reset();
}

void HostLookup::Start(const QString& host) {
    Abort();
    auto pending = std::make_shared<Pending>();
    pending->receiver = this;
    pending_ = pending;
    // Names in other scripts are looked up in their ASCII (punycode) form.
    const std::string ascii = QUrl::toAce(host).toStdString();

    const auto deliver = [pending](const std::vector<std::string>& numeric) {
        const std::lock_guard<std::mutex> lock(pending->mutex);
        HostLookup* receiver = pending->receiver;
        if (receiver == nullptr) return;
        // Posting is safe from any thread; the object cannot go away while the lock is held,
        // and an event posted to an object that is deleted later is dropped with it.
        QMetaObject::invokeMethod(
            receiver,
            [receiver, pending, addresses = ToAddresses(numeric)] {
                if (receiver->pending_ != pending) return;  // dropped meanwhile
                receiver->pending_.reset();
                emit receiver->Finished(addresses);
            },
            Qt::QueuedConnection);
    };
    if (ascii.empty()) {
        deliver({});
        return;
    }
    try {
        std::thread([deliver, ascii] { deliver(ResolveHostAddresses(ascii)); }).detach();
    } catch (const std::system_error&) {
        deliver({});  // no thread to be had: the name counts as unresolved
    }
}

}  // namespace horavia

// Its own moc output, so that a program using only the rest of this library does not link it.
#include "moc_host_lookup.cpp"
