// The clock cannot be walked by small steps: corrections made without asking are bounded in sum
// over a day, across restarts, whoever asked for the synchronisation.
#include "sync/unasked_corrections.h"

#include <gtest/gtest.h>

#include <chrono>

#include "answer_wait.h"
#include "sync/sync_time.h"
#include "sync_fakes.h"

namespace horavia {
namespace {

using namespace std::chrono_literals;

const Instant kStart = InstantFromUnixMs(1'765'000'000'000);  // 2025-12-06 05:46:40 UTC

// The computer's clock, which the setter moves as the system would.
class MovingSetter : public SystemClockSetter {
  public:
    explicit MovingSetter(FixedClock& clock) : clock_(clock) {}
    void SetTime(Instant utc, ClockSetPrompt, SetHandler done) override {
        clock_.SetUtc(utc);
        done(ClockSetResult::Set);
    }

  private:
    FixedClock& clock_;
};

// A synchronisation every 30 s against a server whose answer is the true time plus `answer`
// (the true time moves on 30 s each time; the clock keeps whatever was last set). The user
// answers every question No.
struct ScheduledSync {
    MemorySettingsStore& store;
    std::chrono::milliseconds offset{0};  // the clock's reading minus the true time
    Instant truth = kStart;
    FixedClock clock{0, 0};
    test::FakeTimeQuery query;
    MovingSetter setter{clock};
    test::FakeMessageBox box;
    TimeSynchroniser sync{query, setter, box, clock, store};
    std::vector<std::pair<Instant, std::chrono::milliseconds>> unasked;  // when, by how much

    explicit ScheduledSync(MemorySettingsStore& s, Instant start = kStart) : store(s) {
        truth = start;
        box.answer = MsgAnswer::No;
    }
    void Run(std::chrono::milliseconds interval, int count,
             const std::function<std::chrono::milliseconds(int)>& answer) {
        for (int i = 0; i < count; ++i) {
            truth += interval;
            clock.SetUtc(truth + offset);
            const Instant before = clock.NowUtc();
            query.answers = {truth + answer(i)};
            const std::size_t asked = box.shown.size();
            const SyncOutcome outcome = test::AwaitSync(sync, "time.example");
            if (outcome == SyncOutcome::ClockSet && box.shown.size() == asked) {
                unasked.emplace_back(truth, clock.NowUtc() - before);
            }
            offset = std::chrono::duration_cast<std::chrono::milliseconds>(clock.NowUtc() - truth);
        }
    }
    // The largest sum of unasked corrections within any 24 hours.
    std::chrono::milliseconds WorstDay() const {
        std::chrono::milliseconds worst{0};
        for (std::size_t i = 0; i < unasked.size(); ++i) {
            std::chrono::milliseconds sum{0};
            for (std::size_t j = i; j < unasked.size() && unasked[j].first - unasked[i].first < 24h;
                 ++j) {
                sum += unasked[j].second;
                worst = std::max(worst, std::chrono::abs(sum));
            }
        }
        return worst;
    }
};

TEST(UnaskedCorrections, AnAnswerAlwaysAheadWalksTheClockAtMostTheBudgetADay) {
    const struct {
        std::chrono::milliseconds step;
        std::size_t unaskedInADay;
    } cases[] = {{85s, 1}, {-85s, 1}, {30s, 3}, {-45s, 2}, {89'999ms, 1}};
    for (const auto& c : cases) {
        MemorySettingsStore store;
        ScheduledSync scheduled(store);
        // The answer is always `step` ahead of the clock, which the last correction moved.
        scheduled.Run(30s, 2 * 24 * 120, [&](int) { return scheduled.offset + c.step; });
        EXPECT_LE(scheduled.WorstDay(), kUnaskedBudget) << c.step.count();
        ASSERT_FALSE(scheduled.unasked.empty());
        std::size_t firstDay = 0;
        while (firstDay < scheduled.unasked.size() &&
               scheduled.unasked[firstDay].first - scheduled.unasked[0].first < 24h) {
            ++firstDay;
        }
        EXPECT_EQ(firstDay, c.unaskedInADay) << c.step.count();
        // From then on every further step is asked about: a day of questions, answered No.
        EXPECT_GT(scheduled.box.shown.size(), 2000u) << c.step.count();
        EXPECT_EQ(scheduled.box.shown.back().buttons, MsgButtons::YesNo);
    }
}

TEST(UnaskedCorrections, AnHonestServerIsNeverAskedAbout) {
    MemorySettingsStore store;
    ScheduledSync scheduled(store);
    scheduled.offset = 40s;  // the clock had drifted before the first synchronisation
    // The server's own jitter: within 2 s of the true time, in no particular order.
    scheduled.Run(30s, 2 * 24 * 120,
                  [](int i) { return std::chrono::milliseconds((i * 7919) % 4001 - 2000); });
    EXPECT_TRUE(scheduled.box.shown.empty());
    EXPECT_EQ(scheduled.unasked.size(), 2u * 24 * 120);
}

TEST(UnaskedCorrections, TheRecordSurvivesARestart) {
    MemorySettingsStore store;
    {
        ScheduledSync first(store);
        first.Run(30s, 1, [&](int) { return first.offset + 80s; });
        ASSERT_EQ(first.unasked.size(), 1u);
    }
    EXPECT_NE(store.Get(kUnaskedKey, ""), "");
    // The program starts again a minute later: 80 s are spent, 20 s are left.
    ScheduledSync second(store, kStart + 1min);
    second.Run(30s, 1, [&](int) { return second.offset + 20s; });
    second.Run(30s, 1, [&](int) { return second.offset + 1s; });
    EXPECT_EQ(second.unasked.size(), 1u);
    EXPECT_EQ(second.box.shown.size(), 1u);
    // A day later, the budget is whole again.
    ScheduledSync third(store, kStart + 25h + 30s);
    third.Run(30s, 1, [&](int) { return third.offset + 85s; });
    EXPECT_EQ(third.unasked.size(), 1u);
}

TEST(UnaskedCorrections, AStoredRecordIsReadAsFarAsItMakesSense) {
    using Hours = UnaskedCorrections::Hours;
    const struct {
        const char* text;
        Hours hours;
    } cases[] = {
        {"", {}},
        {"3600:85000 7200:-2000", {{3600, 85000}, {7200, -2000}}},
        {"3600:1 3600:2", {{3600, 3}}},
        {"x 3600:85000 :5 7200: 1e3:4 7200:9z", {{3600, 85000}}},
        {"3600:99999999999999999999", {}},
        {"3600:999999999999 7200:-999999999999", {{3600, 86'400'000}, {7200, -86'400'000}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UnaskedCorrections::Parse(c.text), c.hours) << c.text;
    }
    EXPECT_EQ(UnaskedCorrections::Text({{3600, 85000}, {7200, -2000}}), "3600:85000 7200:-2000");
}

}  // namespace
}  // namespace horavia
