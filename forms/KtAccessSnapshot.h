#pragma once

#include <vector>

class KtSNMPVarList;

// The access bits of every variable of a list, saved when the snapshot is
// made and put back when it goes (or earlier, through Restore). Between the
// two a window excludes the columns one write must leave out; a write that
// fails by raising still gets its bits back on the way out.
class KtAccessSnapshot
{
public:
    explicit KtAccessSnapshot(KtSNMPVarList &vars);
    ~KtAccessSnapshot();
    KtAccessSnapshot(const KtAccessSnapshot &) = delete;
    KtAccessSnapshot &operator=(const KtAccessSnapshot &) = delete;

    // Variable `column` is left out of the next operation: its access bits
    // become exactly AccessSkip. Numbers outside the list are ignored.
    void Exclude(int column);
    void ExcludeRange(int first, int last);
    bool IsExcluded(int column) const;
    // Puts every saved value back; later calls and the destructor do nothing.
    void Restore();

private:
    KtSNMPVarList &vars_;
    std::vector<int> saved_;
    bool restored_ = false;
};
