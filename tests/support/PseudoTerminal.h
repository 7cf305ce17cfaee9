#pragma once

#ifndef _WIN32

#include <cstddef>
#include <cstdint>
#include <string>

namespace zeft::testing {

// A pseudo-terminal pair for the tests and benchmarks: the program under test opens
// SlavePath(), the test plays the far end on the master, which is non-blocking.
class PseudoTerminal {
public:
    enum class Slave {
        LeftClosed, // the program's open is the first, with the terminal's own defaults
        HeldRaw,    // held open raw at 9600 baud, as the sender bridge holds it: the master
                    // never sees the far end gone and no echo comes back
    };

    explicit PseudoTerminal(Slave slave = Slave::LeftClosed);
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool Ok() const { return master_ >= 0; }
    // Why the pair could not be made; empty when Ok.
    const std::string& Error() const { return error_; }
    const std::string& SlavePath() const { return slavePath_; }
    int Master() const { return master_; }
    // The held slave; -1 when left closed.
    int HeldSlave() const { return slave_; }
    // The baud rate the program set on the slave, read through the master.
    std::uint32_t BaudRate() const;

    void Write(const std::string& bytes);
    // Writes what the line takes within the time; returns how many bytes that was.
    std::size_t WriteWithin(const std::string& bytes, int timeoutMs);
    // Reads until count bytes came or the time is up.
    std::string Read(std::size_t count, int timeoutMs);

    // Writes and reads on the master wait instead of failing at once, for a benchmark that
    // streams as fast as the line takes.
    void BlockOnMaster();

    void CloseMaster();
    // Master and held slave closed: the program's side sees the far end hang up.
    void HangUp();

private:
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
    std::string error_;
};

} // namespace zeft::testing

#endif
