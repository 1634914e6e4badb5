// Undo and redo of the user's actions on a project. Each action (one Step, however many
// cells it writes) keeps only what it changed in the three tables and the state beside them
// (counts, calibration model and axes); undoing puts those back and keeps the action's result
// for a redo.
#pragma once

#include "model/TextTable.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>

namespace tracelle::model {

class Project;

class History final : private TableJournal {
public:
    explicit History(Project& project);
    ~History() override;
    History(const History&) = delete;
    History& operator=(const History&) = delete;

    // The changes made while one lives are one action; steps opened inside it join it.
    class Step {
    public:
        explicit Step(History& history) : h_(history) { h_.begin(); }
        Step(History& history, std::string name) : h_(history) {
            h_.begin();
            h_.name(std::move(name));
        }
        ~Step() { h_.end(); }
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;

    private:
        History& h_;
    };
    void begin();
    void end();
    // The action as the menu names it, in the language of the moment ("l'ajout du point 57",
    // "adding point 57"); the first name given to an action is kept.
    void name(std::string text);

    bool canUndo() const { return !done_.empty(); }
    bool canRedo() const { return !undone_.empty(); }
    std::string undoName() const;
    std::string redoName() const;
    void undo();
    void redo();
    // A new picture or project: nothing before it can be undone.
    void clear();
    // A drag is made of many events: what the events after the first change joins the action
    // the first one made, until it ends.
    void beginLongAction();
    void endLongAction();
    // Esc during the drag: its changes put back and forgotten.
    void cancelLongAction();

    // The project was written: coming back to this point makes it saved again.
    void markSaved();

    std::size_t steps() const { return done_.size() + undone_.size(); }
    // Changes with every action done, undone, redone or forgotten.
    std::uint64_t version() const { return version_; }
    std::size_t bytes() const { return bytes_; }
    // The oldest actions are forgotten beyond these.
    void setLimits(std::size_t maxBytes, std::size_t maxSteps);

    struct Calibration; // the calibration state beside the tables, and the decimals

private:
    struct Entry;

    void cellChanging(TextTable&, int row, int column) override;
    void rowChanging(TextTable&, int row) override;
    void rowCountChanging(TextTable&, int count) override;
    void rowRemoving(TextTable&, int row) override;
    void rowInserted(TextTable&, int row) override;
    void rowsExchanging(TextTable&, int a, int b, const std::vector<int>& kept) override;
    void allChanging(TextTable&) override;

    void start();
    void finish();
    static std::size_t sizeOf(const Entry& entry);
    // The entry changes are recorded into; none outside an action.
    Entry* recording();
    void push(std::unique_ptr<Entry> entry);
    void trim();
    // Applies the entry's changes (backwards to undo) and turns them into their reverse.
    void flip(Entry& entry, bool backwards);
    void setJournals(bool on);
    void afterFlip();

    Project& project_;
    std::deque<std::unique_ptr<Entry>> done_;
    std::deque<std::unique_ptr<Entry>> undone_;
    std::unique_ptr<Entry> pending_;
    std::unique_ptr<Entry> spare_;                   // an emptied entry, for the next action
    std::unique_ptr<Calibration> calibrationBefore_; // as the running action found them
    int depth_ = 0;
    std::size_t bytes_ = 0;
    std::size_t maxBytes_ = std::size_t{256} << 20;
    std::size_t maxSteps_ = 1000000;
    // Where the project was last written, counted in actions done; -1 when out of reach.
    long long savedAt_ = 0;
    bool savedInPending_ = false;
    std::uint64_t version_ = 0;
    bool long_ = false;
    std::size_t longStart_ = 0; // actions done when the long action began
};

} // namespace tracelle::model
