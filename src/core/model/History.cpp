#include "model/History.h"

#include "model/Project.h"
#include "platform/Language.h"

#include <algorithm>
#include <array>
#include <climits>
#include <iterator>
#include <optional>
#include <utility>
#include <variant>

namespace tracelle::model {

namespace {

// Each change stores the other side of itself: applying it swaps that side in and keeps the
// side it replaced, so that the same record undoes and redoes.
struct CellOp {
    TextTable* t;
    int row, column;
    std::string text;
};
struct RowOp { // a whole existing row
    TextTable* t;
    int row;
    std::vector<std::string> cells;
};
struct CountOp { // the row count to go back to, and the rows beyond the smaller count
    TextTable* t;
    int count;
    std::vector<std::string> cells;
};
struct PresenceOp { // a row removed (absent) or inserted (present)
    TextTable* t;
    int row;
    bool present;
    std::vector<std::string> cells;
};
struct ExchangeOp {
    TextTable* t;
    int a, b;
    std::vector<int> kept;
};
struct AllOp { // every row, the header row first
    TextTable* t;
    std::vector<std::string> cells;
};
using Op = std::variant<CellOp, RowOp, CountOp, PresenceOp, ExchangeOp, AllOp>;

std::size_t textBytes(const std::string& s) {
    return s.capacity() > 15 ? s.capacity() + 1 : 0;
}
std::size_t cellsBytes(const std::vector<std::string>& cells) {
    std::size_t total = cells.capacity() * sizeof(std::string);
    for (const std::string& c : cells)
        total += textBytes(c);
    return total;
}

std::vector<std::string> rowsFrom(const TextTable& t, int first, int last) {
    std::vector<std::string> cells;
    cells.reserve(static_cast<std::size_t>(std::max(last - first, 0)) *
                  static_cast<std::size_t>(t.columnCount()));
    for (int r = first; r < last; ++r)
        for (int c = 0; c < t.columnCount(); ++c)
            cells.emplace_back(t.cell(r, c));
    return cells;
}

void flipOp(Op& op) {
    std::visit(
        [](auto& o) {
            using T = std::decay_t<decltype(o)>;
            TextTable& t = *o.t;
            if constexpr (std::is_same_v<T, CellOp>) {
                std::string old(t.cell(o.row, o.column));
                t.setCell(o.row, o.column, std::move(o.text));
                o.text = std::move(old);
            } else if constexpr (std::is_same_v<T, RowOp>) {
                std::vector<std::string> old = t.rowCells(o.row);
                t.setRow(o.row, std::move(o.cells));
                o.cells = std::move(old);
            } else if constexpr (std::is_same_v<T, CountOp>) {
                const int current = t.rowCount();
                std::vector<std::string> kept;
                if (o.count < current) {
                    kept = rowsFrom(t, o.count, current);
                    t.setRowCount(o.count);
                } else {
                    // Many rows at once are told as one change.
                    std::optional<TextTable::Bulk> bulk;
                    if (o.count - current > 64) bulk.emplace(t);
                    const auto w = static_cast<std::size_t>(t.columnCount());
                    for (int r = current; r < o.count; ++r) {
                        const auto at = static_cast<std::size_t>(r - current) * w;
                        std::vector<std::string> row(w);
                        if (at + w <= o.cells.size())
                            std::move(o.cells.begin() + static_cast<std::ptrdiff_t>(at),
                                      o.cells.begin() + static_cast<std::ptrdiff_t>(at + w),
                                      row.begin());
                        t.setRow(r, std::move(row));
                    }
                }
                o.cells = std::move(kept);
                o.count = current;
            } else if constexpr (std::is_same_v<T, PresenceOp>) {
                if (o.present) {
                    o.cells = t.rowCells(o.row);
                    t.removeRow(o.row);
                } else {
                    t.insertRow(o.row, std::move(o.cells));
                    o.cells.clear();
                }
                o.present = !o.present;
            } else if constexpr (std::is_same_v<T, ExchangeOp>) {
                t.exchangeRows(o.a, o.b, o.kept);
            } else {
                std::vector<std::string> old = rowsFrom(t, 0, t.rowCount());
                t.replaceRows(std::move(o.cells), t.columnCount());
                o.cells = std::move(old);
            }
        },
        op);
}

std::size_t opBytes(const Op& op) {
    return sizeof(Op) + std::visit(
                            [](const auto& o) -> std::size_t {
                                using T = std::decay_t<decltype(o)>;
                                if constexpr (std::is_same_v<T, CellOp>)
                                    return textBytes(o.text);
                                else if constexpr (std::is_same_v<T, ExchangeOp>)
                                    return o.kept.capacity() * sizeof(int);
                                else
                                    return cellsBytes(o.cells);
                            },
                            op);
}

// What the tables do not hold and an action changes.
struct Counts {
    std::int32_t n, k, currentLine;
    bool lineBreakPending;
    bool operator==(const Counts&) const = default;
};

} // namespace

// What beside the tables shapes the fit: the calibration records, the model, the axes and the
// points left out; and the decimals.
struct History::Calibration {
    std::array<CalibrationRecord, 4> records;
    std::string decimalsText;
    int decimals = 0;
    TransformMethod method = TransformMethod::Affine;
    AxisKinds axes;
    std::vector<bool> leftOut;

    // Assigned member by member, so that the storage of the copy kept at every event serves again.
    void capture(const Project& p) {
        records = p.records_;
        decimalsText = p.decimalsText_;
        decimals = p.decimals_;
        method = p.fit_.method();
        axes = p.fit_.axes();
        leftOut = p.leftOut_;
    }
    bool matches(const Project& p) const {
        const auto same = [](const CalibrationRecord& a, const CalibrationRecord& b) {
            return a.set == b.set && a.x == b.x && a.y == b.y && a.X == b.X && a.Y == b.Y &&
                   a.Z == b.Z;
        };
        return std::equal(records.begin(), records.end(), p.records_.begin(), same) &&
               decimalsText == p.decimalsText_ && decimals == p.decimals_ &&
               method == p.fit_.method() && axes == p.fit_.axes() && leftOut == p.leftOut_;
    }
    void restore(Project& p) const {
        p.records_ = records;
        p.decimalsText_ = decimalsText;
        p.decimals_ = decimals;
        p.leftOut_ = leftOut;
        // The fitted model is a cache: made anew here, fitted by the caller.
        if (method != p.fit_.method() || axes != p.fit_.axes())
            p.fit_ = FittedCalibration(method, axes);
    }
};

struct History::Entry {
    std::string name;
    std::vector<Op> ops;
    Counts before{}, after{};
    // Kept only when the action changed them: most actions are clicks.
    std::unique_ptr<Calibration> calibrationBefore, calibrationAfter;
    std::size_t bytes = 0;
    // Rows an action added: their cells need no record, the row count's record keeps them.
    std::array<std::pair<const TextTable*, int>, 3> freshFrom{};

    // Emptied for the next action: its storage serves again.
    void reset() {
        name.clear();
        ops.clear();
        calibrationBefore.reset();
        calibrationAfter.reset();
        bytes = 0;
        freshFrom = {};
    }

    int& fresh(const TextTable& t) {
        for (auto& [table, from] : freshFrom)
            if (table == &t) return from;
        for (auto& slot : freshFrom)
            if (!slot.first) {
                slot = {&t, INT_MAX};
                return slot.second;
            }
        static int none;
        none = INT_MAX;
        return none;
    }
};

namespace {

Counts countsOf(const Project& p) {
    return {p.N(), p.K(), p.currentLine(), p.lineBreakPending()};
}

} // namespace

History::History(Project& project)
    : project_(project), calibrationBefore_(std::make_unique<Calibration>()) {
    setJournals(true);
}

History::~History() {
    setJournals(false);
}

void History::setJournals(bool on) {
    for (TextTable* t : {&project_.points_, &project_.calibration_, &project_.lines_})
        t->setJournal(on ? this : nullptr);
}

void History::begin() {
    if (depth_++ == 0) start();
}

// Every event of the program opens an action: nothing is allocated for those that change
// nothing.
void History::start() {
    if (!pending_) pending_ = spare_ ? std::move(spare_) : std::make_unique<Entry>();
    pending_->reset();
    pending_->before = countsOf(project_);
    calibrationBefore_->capture(project_);
}

void History::end() {
    if (depth_ == 0 || --depth_ > 0) return;
    finish();
}

void History::finish() {
    std::unique_ptr<Entry> e = std::move(pending_);
    e->after = countsOf(project_);
    if (!calibrationBefore_->matches(project_)) {
        e->calibrationBefore = std::make_unique<Calibration>(*calibrationBefore_);
        e->calibrationAfter = std::make_unique<Calibration>();
        e->calibrationAfter->capture(project_);
    }
    const bool saved = std::exchange(savedInPending_, false);
    // The line-break flag alone only says how the next point is drawn: it rides into the next
    // action rather than being one.
    Counts kept = e->after;
    kept.lineBreakPending = e->before.lineBreakPending;
    if (e->ops.empty() && kept == e->before && !e->calibrationAfter) {
        spare_ = std::move(e);
        return;
    }
    if (long_ && done_.size() > longStart_ && undone_.empty()) {
        // The drag goes on: one action from its first change to its last.
        Entry& into = *done_.back();
        bytes_ -= into.bytes;
        std::move(e->ops.begin(), e->ops.end(), std::back_inserter(into.ops));
        into.after = e->after;
        if (e->calibrationAfter) {
            if (!into.calibrationBefore) into.calibrationBefore = std::move(e->calibrationBefore);
            into.calibrationAfter = std::move(e->calibrationAfter);
        }
        into.bytes = sizeOf(into);
        bytes_ += into.bytes;
        ++version_;
        trim();
        spare_ = std::move(e);
        return;
    }
    push(std::move(e));
    if (saved) savedAt_ = static_cast<long long>(done_.size());
}

void History::name(std::string text) {
    if (pending_ && pending_->name.empty()) pending_->name = std::move(text);
}

std::string History::undoName() const {
    return done_.empty() || done_.back()->name.empty()
               ? platform::translate("History", "la modification")
               : done_.back()->name;
}

std::string History::redoName() const {
    return undone_.empty() || undone_.back()->name.empty()
               ? platform::translate("History", "la modification")
               : undone_.back()->name;
}

void History::push(std::unique_ptr<Entry> e) {
    if (!undone_.empty()) {
        for (const auto& u : undone_)
            bytes_ -= u->bytes;
        undone_.clear();
        if (savedAt_ > static_cast<long long>(done_.size())) savedAt_ = -1;
    }
    e->bytes = sizeOf(*e);
    bytes_ += e->bytes;
    ++version_;
    done_.push_back(std::move(e));
    trim();
}

std::size_t History::sizeOf(const Entry& e) {
    std::size_t total = sizeof(Entry) + textBytes(e.name) + e.ops.capacity() * sizeof(Op) +
                        (e.calibrationBefore ? 2 * sizeof(Calibration) : 0);
    for (const Op& op : e.ops)
        total += opBytes(op) - sizeof(Op);
    return total;
}

void History::beginLongAction() {
    long_ = true;
    longStart_ = done_.size();
}

void History::endLongAction() {
    long_ = false;
}

void History::cancelLongAction() {
    if (long_ && done_.size() > longStart_) {
        undo();
        bytes_ -= undone_.back()->bytes;
        undone_.pop_back();
    }
    long_ = false;
}

void History::trim() {
    while (!done_.empty() && (done_.size() + undone_.size() > maxSteps_ || bytes_ > maxBytes_)) {
        bytes_ -= done_.front()->bytes;
        done_.pop_front();
        if (longStart_ > 0) --longStart_;
        savedAt_ = savedAt_ > 0 ? savedAt_ - 1 : -1;
    }
}

void History::setLimits(std::size_t maxBytes, std::size_t maxSteps) {
    maxBytes_ = maxBytes;
    maxSteps_ = maxSteps;
    trim();
}

History::Entry* History::recording() {
    if (pending_) return pending_.get();
    // A change outside any action: what came before it can no longer be put back.
    if (!done_.empty() || !undone_.empty()) clear();
    return nullptr;
}

void History::cellChanging(TextTable& t, int row, int column) {
    Entry* e = recording();
    if (!e || row >= e->fresh(t)) return;
    e->ops.emplace_back(CellOp{&t, row, column, std::string(t.cell(row, column))});
}

void History::rowChanging(TextTable& t, int row) {
    Entry* e = recording();
    if (!e || row >= e->fresh(t)) return;
    e->ops.emplace_back(RowOp{&t, row, t.rowCells(row)});
}

void History::rowCountChanging(TextTable& t, int count) {
    Entry* e = recording();
    if (!e) return;
    const int old = t.rowCount();
    int& fresh = e->fresh(t);
    if (count > old) {
        fresh = std::min(fresh, old);
        e->ops.emplace_back(CountOp{&t, old, {}});
    } else {
        e->ops.emplace_back(CountOp{&t, old, rowsFrom(t, count, old)});
    }
}

void History::rowRemoving(TextTable& t, int row) {
    Entry* e = recording();
    if (!e) return;
    e->fresh(t) = INT_MAX; // the rows move: their places are no longer known
    e->ops.emplace_back(PresenceOp{&t, row, false, t.rowCells(row)});
}

void History::rowInserted(TextTable& t, int row) {
    Entry* e = recording();
    if (!e) return;
    e->fresh(t) = INT_MAX;
    e->ops.emplace_back(PresenceOp{&t, row, true, {}});
}

void History::rowsExchanging(TextTable& t, int a, int b, const std::vector<int>& kept) {
    Entry* e = recording();
    if (!e) return;
    e->fresh(t) = INT_MAX;
    e->ops.emplace_back(ExchangeOp{&t, a, b, kept});
}

void History::allChanging(TextTable& t) {
    Entry* e = recording();
    if (!e) return;
    e->fresh(t) = INT_MAX;
    e->ops.emplace_back(AllOp{&t, rowsFrom(t, 0, t.rowCount())});
}

void History::flip(Entry& e, bool backwards) {
    setJournals(false);
    if (backwards)
        for (auto op = e.ops.rbegin(); op != e.ops.rend(); ++op)
            flipOp(*op);
    else
        for (Op& op : e.ops)
            flipOp(op);
    setJournals(true);
    const Counts& c = backwards ? e.before : e.after;
    project_.n_ = c.n;
    project_.k_ = c.k;
    project_.currentLine_ = c.currentLine;
    project_.lineBreakPending_ = c.lineBreakPending;
    if (const Calibration* cal = (backwards ? e.calibrationBefore : e.calibrationAfter).get())
        cal->restore(project_);
    project_.refitCalibration();
}

void History::afterFlip() {
    ++version_;
    // The action running now (the undo command's own) starts from the state put back.
    if (pending_) start();
    project_.setSaved(savedAt_ == static_cast<long long>(done_.size()));
}

void History::undo() {
    if (pending_ && !pending_->ops.empty()) {
        // Changes of the running action are an action of their own, undone first.
        finish();
        start();
    }
    if (done_.empty()) return;
    std::unique_ptr<Entry> e = std::move(done_.back());
    done_.pop_back();
    flip(*e, true);
    undone_.push_back(std::move(e));
    afterFlip();
}

void History::redo() {
    if (undone_.empty()) return;
    std::unique_ptr<Entry> e = std::move(undone_.back());
    undone_.pop_back();
    flip(*e, false);
    done_.push_back(std::move(e));
    afterFlip();
}

void History::clear() {
    ++version_;
    done_.clear();
    undone_.clear();
    bytes_ = 0;
    if (pending_) start();
    savedAt_ = project_.saved() ? 0 : -1;
}

void History::markSaved() {
    savedAt_ = static_cast<long long>(done_.size());
    savedInPending_ = pending_ && !pending_->ops.empty();
}

} // namespace tracelle::model
