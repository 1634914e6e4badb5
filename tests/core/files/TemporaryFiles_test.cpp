// Temporary files "NAME.~PID" never outlive a process ended by SIGTERM or SIGINT while it
// writes: a child process opens one, is signalled, and the folder is looked at afterwards.
#include "files/AtomicFile.h"
#include "support/TempFiles.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

TEST(TemporaryFiles, RemovedWhenTheProcessIsEndedBySigtermOrSigint) {
    const fs::path dir = tracelle::testing::tempFolder("tracelle_signal_");
    for (const int signal : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(strsignal(signal));
        fs::remove_all(dir);
        fs::create_directories(dir);
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            tracelle::files::AtomicFile file((dir / "plan.bmp").string());
            std::string error;
            if (!file.open(&error) || !file.write("BM", 2)) _exit(3);
            std::fflush(nullptr);
            kill(getpid(), signal);
            _exit(4); // not reached: the signal ends the process
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "exit status " << WEXITSTATUS(status);
        EXPECT_EQ(WTERMSIG(status), signal) << "the signal still ends the process";
        EXPECT_EQ(namesIn(dir), std::vector<std::string>{});
    }
    fs::remove_all(dir);
}

} // namespace
