#pragma once

// Cases of a program that runs as several processes at once (qg_test's
// SHARDS): every process goes through every case, and each case runs in the
// first process to take it, so that the cases spread over the processes as
// they come free. A fixture takes its case in SetUp:
//   void SetUp() override { if (!QgShardClaim::Take()) GTEST_SKIP() << QgShardClaim::LeftToAnother; }
// Outside such a run (no QG_SHARD_CLAIMS directory) every case is this
// process's own.
class QgShardClaim
{
public:
    // Whether the running case is this process's to run.
    static bool Take();
    // The message of a case left to another process, which the runner
    // (CheckGTestCase.cmake) does not count as the case's result.
    static constexpr const char *LeftToAnother = "left to another shard";
};
