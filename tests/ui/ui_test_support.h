// The program's state over in-memory services, for the window tests: a registry with a few
// zones, a settings store that records what is read and written, a fixed clock.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QTcpServer>
#include <QWidget>
#include <string>
#include <vector>

#include "fake_messages.h"
#include "model/zone_model.h"
#include "platform/system_clock_setter.h"
#include "tzi_builder.h"

namespace horavia::testing {

// Remembers every read ("R key") and write ("W key") in order.
class RecordingStore : public MemorySettingsStore {
  public:
    using MemorySettingsStore::Get;
    using MemorySettingsStore::Save;
    std::optional<std::string> Read(const std::string& app, const std::string& section,
                                    const std::string& key) override {
        log.push_back("R " + key);
        return MemorySettingsStore::Read(app, section, key);
    }
    void Save(const std::string& app, const std::string& section, const std::string& key,
              const std::string& text) override {
        log.push_back("W " + key);
        MemorySettingsStore::Save(app, section, key, text);
    }
    std::string Value(const std::string& key) {
        return MemorySettingsStore::Read(kSettingsApp, kSettingsSection, key).value_or("<none>");
    }
    // Position of the first entry equal to `entry`, or -1.
    int IndexOf(const std::string& entry) const {
        for (std::size_t i = 0; i < log.size(); ++i) {
            if (log[i] == entry) return static_cast<int>(i);
        }
        return -1;
    }
    std::vector<std::string> Writes() const {
        std::vector<std::string> writes;
        for (const auto& e : log) {
            if (e.rfind("W ", 0) == 0) writes.push_back(e.substr(2));
        }
        return writes;
    }
    std::vector<std::string> log;
};

class RecordingClockSetter : public SystemClockSetter {
  public:
    void SetTime(Instant utc, ClockSetPrompt, SetHandler done) override {
        calls.push_back(utc);
        done(ClockSetResult::Set);
    }
    std::vector<Instant> calls;
};

inline const DayCount kNow = FromCivil(2026, 7, 1, 12, 30, 15);  // local, UTC+1

// A time server's reply for the fixed clock: 2026-07-01 11:30:15 UTC, in seconds since 1900.
inline std::uint32_t ServerSecondsForNow() {
    const std::int64_t days = DaysFromCivil(2026, 7, 1) - DaysFromCivil(1900, 1, 1);
    return static_cast<std::uint32_t>(days * 86400 + 11 * 3600 + 30 * 60 + 15);
}

// A port on which nothing listens: connections are refused at once.
inline quint16 ClosedPort() {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    const quint16 port = server.serverPort();
    server.close();
    return port;
}

struct TestServices {
    TestServices() {
        AddZone(registry, "Eastern Standard Time", "(UTC-05:00) Eastern",
                MakeTzi(300, -60, kUsStd, kUsDlt));
        AddZone(registry, "Tokyo Standard Time", "(UTC+09:00) Osaka, Tokyo", MakeTzi(-540));
        AddZone(registry, "W. Europe Standard Time", "(UTC+01:00) Amsterdam, Berlin",
                MakeTzi(-60, -60, kEuStd, kEuDlt));
        store.Save("STServer", "127.0.0.1");  // never a real server
        store.log.clear();
    }
    // Stores clocks as "label|zone|enabled" (zone: catalogue index or a zone key).
    void StoreClocks(const std::vector<std::string>& clocks) {
        store.Save("SVersion", "2");
        store.Save("SZoneNum", std::to_string(clocks.size()));
        for (std::size_t i = 0; i < clocks.size(); ++i) {
            const std::string& c = clocks[i];
            const auto bar1 = c.find('|');
            const auto bar2 = c.find('|', bar1 + 1);
            const std::string n = "S" + std::to_string(i);
            store.Save(n + "Dis", c.substr(0, bar1));
            store.Save(n + "Zon", c.substr(bar1 + 1, bar2 - bar1 - 1));
            store.Save(n + "Ena", c.substr(bar2 + 1));
        }
        store.log.clear();
    }

    MemoryRegistry registry;
    RecordingStore store;
    RecordingMessages messages;
    FixedLocalZone localZone{3600};
    FixedClock clock{kNow, -60};
    RecordingClockSetter clockSetter;
    AppState state{Services{store, registry, messages, localZone, clock}, EnglishUnitedStates()};
};

// A one-pixel map for the clock editor, so the tests need not decode the real one.
inline QImage TinyMap() {
    QImage map(1, 1, QImage::Format_Indexed8);
    map.setColorCount(256);
    map.fill(0);
    return map;
}

// Runs the posted events, then the deletions they left.
inline void ProcessPending() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Notes in a log when a window is hidden.
class HideRecorder : public QObject {
  public:
    HideRecorder(QWidget* window, std::vector<std::string>& log, std::string note)
        : log_(log), note_(std::move(note)) {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide) log_.push_back(note_);
        return false;
    }

  private:
    std::vector<std::string>& log_;
    std::string note_;
};

}  // namespace horavia::testing
