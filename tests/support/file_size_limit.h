#pragma once
// Makes writes beyond a few bytes fail as on a full disk, whoever runs the test (root too),
// for as long as it lives.

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace abacore {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        EXPECT_EQ(getrlimit(RLIMIT_FSIZE, &m_previous), 0);
        rlimit tiny = m_previous;
        tiny.rlim_cur = bytes;
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_previous{};
    void (*m_handler)(int) = nullptr;
};

} // namespace abacore
