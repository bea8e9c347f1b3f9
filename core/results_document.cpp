#include "results_document.h"

#include <algorithm>

namespace ormitan {

void ResultsDocument::Init() {
    results_ = Results{};
    Changed();
}

void ResultsDocument::AddPoints(int gift, int points) {
    auto& score = results_.Scores.at(static_cast<std::size_t>(gift - 1));
    score = static_cast<std::uint8_t>(score + points);
    Changed();
}

void ResultsDocument::Replace(const Results& results) {
    results_ = results;
    Changed();
}

void ResultsDocument::SetResultsName(const std::string& name) {
    results_.ResultsName = name;
    Changed();
}

std::shared_ptr<const void> ResultsDocument::Watch(std::function<void()> watcher) {
    auto handle = std::make_shared<const std::function<void()>>(std::move(watcher));
    watchers_.push_back(handle);
    return handle;
}

void ResultsDocument::Changed() {
    std::erase_if(watchers_, [](const auto& watcher) { return watcher.expired(); });
    // A watcher may start or stop watching while it is told: tell the ones of this moment.
    const auto watchers = watchers_;
    for (const auto& weak : watchers) {
        if (const auto watcher = weak.lock()) {
            (*watcher)();
        }
    }
}

}  // namespace ormitan
