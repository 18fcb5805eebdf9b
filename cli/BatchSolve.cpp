#include "BatchSolve.h"

#include "Facelets.h"
#include "LineReader.h"
#include "Messages.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <istream>
#include <mutex>
#include <ostream>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

namespace turnix::cli {

namespace {

// The layer solver takes microseconds a cube, so its lines travel in
// groups to keep the hand-overs cheap; the fewest-turns solver takes
// milliseconds, so its lines travel alone and spread evenly over threads.
constexpr std::size_t LayerLinesPerChunk = 64;
// Enough that a cube which takes the whole time limit, waiting to be
// written first, leaves the other threads work meanwhile.
constexpr std::size_t ChunksInFlightPerJob = 32;

// One line's answer without its line end, and the reason for standard
// error when the line is no facelet string.
struct Answer {
    std::string text;
    std::string message;
    ExitStatus status{ExitStatus::Success};
};

// One line of input; one that was too long is not kept.
struct Line {
    std::string text;
    bool tooLong{false};
};

// Consecutive input lines, read, solved and written as one.
struct Chunk {
    std::size_t firstLine{1};
    std::vector<Line> lines;
    std::vector<Answer> answers;
    bool solved{false};
};

[[nodiscard]] Answer AnswerLine(const Line& line, std::size_t number, OutputFormat format,
                                CubeSolver& solver, clsCube& cube) {
    Answer answer;
    std::optional<std::string> wrong;
    if (line.tooLong) {
        wrong = "a facelet string has 54 letters, this line has more than " +
                std::to_string(MaxLineBytes) + " bytes";
    } else if (auto error = ReadFacelets(line.text, cube)) {
        wrong = std::move(error->reason);
    }
    if (wrong) {
        answer.text = "ERROR";
        answer.message = "line " + std::to_string(number) + ": " + *wrong;
        answer.status = ExitStatus::BadInput;
    } else if (const auto steps = solver.Solve(cube)) {
        AppendSteps(*steps, format, answer.text);
        if (!solver.Remark().empty()) {
            answer.message = "line " + std::to_string(number) + ": " + solver.Remark();
        }
    } else if (!solver.Problem().empty()) {
        answer.text = "ERROR";
        answer.message = "line " + std::to_string(number) + ": " + solver.Problem();
        answer.status = ExitStatus::BadInput;
    } else {
        answer.text = "INVALID";
        answer.status = ExitStatus::InvalidCube;
    }
    return answer;
}

// A reader thread fills a ring of chunks in input order, solver threads
// claim them in that order, and the calling thread writes them out in that
// order again, however the solving interleaves. The ring and the length of a
// line bound what is held: the reader waits while the ring is full. Each
// chunk's answers are flushed as they are written, so that a reader of the
// output that has gone away stops the run at the next answer; the solves
// under way then end at once.
class Pipeline {
public:
    Pipeline(const SolverChoice& solver, OutputFormat answerFormat, unsigned threads)
        : choice(solver), format(answerFormat), jobs(threads),
          linesPerChunk(solver.fewestTurns || solver.optimal ? 1 : LayerLinesPerChunk),
          ring(ChunksInFlightPerJob * threads) {
        choice.limits.stop = &cancelled;
    }

    [[nodiscard]] ExitStatus Run(std::istream& in, std::ostream& out, std::ostream& err);

private:
    void Read(std::istream& in);
    void SolveChunks();
    [[nodiscard]] ExitStatus WriteAll(std::ostream& out, std::ostream& err);
    void Stop();

    [[nodiscard]] Chunk& Slot(std::size_t index) { return ring[index % ring.size()]; }

    SolverChoice choice;
    const OutputFormat format;
    const unsigned jobs;
    const std::size_t linesPerChunk;

    std::mutex mutex;
    std::condition_variable roomToRead;
    std::condition_variable workToDo;
    std::condition_variable answersReady;
    std::vector<Chunk> ring;
    // Chunks counted from the start: written <= claimed <= read <= written + ring size.
    std::size_t read{0};
    std::size_t claimed{0};
    std::size_t written{0};
    bool inputEnded{false};
    bool inputBad{false};
    bool stopped{false};
    // The same as stopped, for the solves and the reader inside a line.
    std::atomic<bool> cancelled{false};
};

ExitStatus Pipeline::Run(std::istream& in, std::ostream& out, std::ostream& err) {
    // Standard input is tied to standard output, which only this thread may
    // flush.
    std::ostream* const tied = in.tie(nullptr);
    std::vector<std::thread> threads;
    threads.reserve(jobs + 1);
    const auto joinAll = [&] {
        Stop();
        for (std::thread& thread : threads) {
            thread.join();
        }
        in.tie(tied);
    };
    try {
        for (unsigned k = 0; k < jobs; ++k) {
            threads.emplace_back([this] { SolveChunks(); });
        }
        threads.emplace_back([this, &in] { Read(in); });
    } catch (const std::system_error& error) {
        joinAll();
        err << Program << "cannot start " << jobs << " threads: " << error.what() << '\n';
        return ExitStatus::BadInput;
    }
    const ExitStatus status = WriteAll(out, err);
    joinAll();
    if (out && inputBad) {
        err << Program << CannotReadInput << '\n';
        return ExitStatus::BadInput;
    }
    return status;
}

void Pipeline::Read(std::istream& in) {
    std::size_t number = 1;
    for (bool ended = false; !ended;) {
        {
            std::unique_lock lock(mutex);
            roomToRead.wait(lock, [this] { return stopped || read - written < ring.size(); });
            if (stopped) {
                return;
            }
        }
        Chunk chunk;
        chunk.firstLine = number;
        Line line;
        while (chunk.lines.size() < linesPerChunk) {
            const LineRead got = ReadLine(in, line.text, cancelled);
            if (got == LineRead::End) {
                break;
            }
            line.tooLong = got == LineRead::TooLong;
            chunk.lines.push_back(std::move(line));
            // Input fed a line at a time must not wait for a full chunk.
            if (in.rdbuf()->in_avail() <= 0) {
                break;
            }
        }
        number += chunk.lines.size();
        ended = !in.good();
        {
            const std::lock_guard lock(mutex);
            if (!chunk.lines.empty()) {
                Slot(read++) = std::move(chunk);
            }
            inputEnded = ended;
            inputBad = in.bad();
        }
        if (ended) {
            workToDo.notify_all();
            answersReady.notify_one();
        } else {
            workToDo.notify_one();
        }
    }
}

void Pipeline::SolveChunks() {
    CubeSolver solver(choice);
    clsCube cube;
    std::unique_lock lock(mutex);
    for (;;) {
        workToDo.wait(lock, [this] { return stopped || claimed < read || inputEnded; });
        if (stopped || claimed == read) {
            return;
        }
        // The reader leaves a claimed chunk alone until it has been written.
        Chunk& chunk = Slot(claimed++);
        lock.unlock();
        chunk.answers.reserve(chunk.lines.size());
        for (std::size_t k = 0; k < chunk.lines.size(); ++k) {
            chunk.answers.push_back(
                AnswerLine(chunk.lines[k], chunk.firstLine + k, format, solver, cube));
        }
        lock.lock();
        chunk.solved = true;
        answersReady.notify_one();
    }
}

ExitStatus Pipeline::WriteAll(std::ostream& out, std::ostream& err) {
    ExitStatus status = ExitStatus::Success;
    std::unique_lock lock(mutex);
    for (;;) {
        answersReady.wait(lock, [this] {
            return (written < read && Slot(written).solved) || (inputEnded && written == read);
        });
        if (written == read) {
            return status;
        }
        const Chunk chunk = std::move(Slot(written));
        Slot(written++) = Chunk{};
        roomToRead.notify_one();
        lock.unlock();
        for (const Answer& answer : chunk.answers) {
            if (!answer.message.empty()) {
                err << Program << answer.message << '\n';
            }
            out << answer.text << '\n';
            status = Worse(status, answer.status);
            if (!out) {
                return status;
            }
        }
        // Whoever feeds the input may also wait for these answers before
        // sending more.
        if (!out.flush()) {
            return status;
        }
        lock.lock();
    }
}

void Pipeline::Stop() {
    {
        const std::lock_guard lock(mutex);
        stopped = true;
        cancelled.store(true, std::memory_order_relaxed);
    }
    roomToRead.notify_all();
    workToDo.notify_all();
}

} // namespace

unsigned DefaultJobCount() noexcept {
    return std::clamp(std::thread::hardware_concurrency(), 1U, MaxJobs);
}

ExitStatus SolveBatch(const SolverChoice& solver, OutputFormat format, unsigned jobs,
                      std::istream& in, std::ostream& out, std::ostream& err) {
    Pipeline pipeline(solver, format, std::clamp(jobs, 1U, MaxJobs));
    return pipeline.Run(in, out, err);
}

} // namespace turnix::cli
