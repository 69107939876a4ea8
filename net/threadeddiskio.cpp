#include "net/torrentsession_p.h"

#include <libtorrent/disk_interface.hpp>
#include <libtorrent/disk_observer.hpp>
#include <libtorrent/file_storage.hpp>
#include <libtorrent/hasher.hpp>
#include <libtorrent/peer_request.hpp>
#include <libtorrent/posix_disk_io.hpp>

#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/post.hpp>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <iterator>
#include <map>
#include <mutex>
#include <thread>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

namespace lt = libtorrent;

namespace {

class ThreadedDiskIo final : public lt::disk_interface
{
public:
    using HashHandler =
        std::function<void(lt::piece_index_t, const lt::sha1_hash &, const lt::storage_error &)>;

    ThreadedDiskIo(lt::io_context &ios, const lt::settings_interface &settings, lt::counters &counters,
                   std::int64_t writeQueueBytes)
        : m_ios(ios), m_work(boost::asio::make_work_guard(ios)),
          m_innerWork(boost::asio::make_work_guard(m_innerIos)),
          m_inner(lt::posix_disk_io_constructor(m_innerIos, settings, counters)),
          m_writeQueueLimit(writeQueueBytes), m_worker([this] { run(); })
    {}

    ~ThreadedDiskIo() override
    {
        stopWorker();
        // The inner storages go before the back-end that made them.
        m_holders.clear();
    }

    lt::storage_holder new_torrent(const lt::storage_params &params,
                                   const std::shared_ptr<void> &torrent) override
    {
        std::lock_guard<std::mutex> lock(m_innerMutex);
        lt::storage_holder inner = m_inner->new_torrent(params, torrent);
        const lt::storage_index_t index = inner;
        m_holders[index] = std::move(inner);
        m_files[index] = &params.files;
        return lt::storage_holder(index, *this);
    }

    // After the jobs queued for the storage: none of them may find it gone.
    void remove_torrent(lt::storage_index_t index) override
    {
        enqueue([this, index] {
            forgetPieces(index);
            m_files.erase(index);
            m_holders.erase(index);
        });
    }

    void async_read(lt::storage_index_t storage, const lt::peer_request &request,
                    std::function<void(lt::disk_buffer_holder, const lt::storage_error &)> handler,
                    lt::disk_job_flags_t flags) override
    {
        enqueue(
            [=]() mutable { m_inner->async_read(storage, request, toNetwork(std::move(handler)), flags); });
    }

    bool async_write(lt::storage_index_t storage, const lt::peer_request &request, const char *buffer,
                     std::shared_ptr<lt::disk_observer> observer,
                     std::function<void(const lt::storage_error &)> handler,
                     lt::disk_job_flags_t flags) override
    {
        bool full = false;
        {
            std::lock_guard<std::mutex> lock(m_queueMutex);
            m_queuedWriteBytes += request.length;
            full = m_queuedWriteBytes > m_writeQueueLimit;
            if (full && observer)
                m_waitingObservers.push_back(observer);
        }
        // The caller's buffer is gone when this returns: the job keeps a copy.
        auto write = std::make_shared<Write>(Write{storage,
                                                   request,
                                                   std::vector<char>(buffer, buffer + request.length),
                                                   {std::move(handler)},
                                                   flags});
        push(Job{nullptr, std::move(write)});
        return full;
    }

    void async_hash(lt::storage_index_t storage, lt::piece_index_t piece, lt::span<lt::sha256_hash> v2,
                    lt::disk_job_flags_t flags, HashHandler handler) override
    {
        enqueue([=]() mutable {
            const bool fromMemory = v2.empty() && (flags & lt::disk_interface::v1_hash);
            if (fromMemory && answerFromWrittenBlocks(storage, piece, handler))
                return;
            forgetPiece(storage, piece);
            m_inner->async_hash(storage, piece, v2, flags, toNetwork(std::move(handler)));
        });
    }

    void
    async_hash2(lt::storage_index_t storage, lt::piece_index_t piece, int offset, lt::disk_job_flags_t flags,
                std::function<void(lt::piece_index_t, const lt::sha256_hash &, const lt::storage_error &)>
                    handler) override
    {
        enqueue([=]() mutable {
            m_inner->async_hash2(storage, piece, offset, flags, toNetwork(std::move(handler)));
        });
    }

    void async_move_storage(
        lt::storage_index_t storage, std::string path, lt::move_flags_t flags,
        std::function<void(lt::status_t, const std::string &, const lt::storage_error &)> handler) override
    {
        enqueue([=]() mutable {
            forgetPieces(storage);
            m_inner->async_move_storage(storage, path, flags, toNetwork(std::move(handler)));
        });
    }

    void async_release_files(lt::storage_index_t storage, std::function<void()> handler) override
    {
        enqueue([=]() mutable { m_inner->async_release_files(storage, toNetwork(std::move(handler))); });
    }

    void async_check_files(lt::storage_index_t storage, const lt::add_torrent_params *resumeData,
                           lt::aux::vector<std::string, lt::file_index_t> links,
                           std::function<void(lt::status_t, const lt::storage_error &)> handler) override
    {
        enqueue([=]() mutable {
            forgetPieces(storage);
            m_inner->async_check_files(storage, resumeData, links, toNetwork(std::move(handler)));
        });
    }

    void async_stop_torrent(lt::storage_index_t storage, std::function<void()> handler) override
    {
        enqueue([=]() mutable { m_inner->async_stop_torrent(storage, toNetwork(std::move(handler))); });
    }

    void
    async_rename_file(lt::storage_index_t storage, lt::file_index_t index, std::string name,
                      std::function<void(const std::string &, lt::file_index_t, const lt::storage_error &)>
                          handler) override
    {
        enqueue([=]() mutable {
            forgetPieces(storage);
            m_inner->async_rename_file(storage, index, name, toNetwork(std::move(handler)));
        });
    }

    void async_delete_files(lt::storage_index_t storage, lt::remove_flags_t options,
                            std::function<void(const lt::storage_error &)> handler) override
    {
        enqueue([=]() mutable {
            forgetPieces(storage);
            m_inner->async_delete_files(storage, options, toNetwork(std::move(handler)));
        });
    }

    void
    async_set_file_priority(lt::storage_index_t storage,
                            lt::aux::vector<lt::download_priority_t, lt::file_index_t> priorities,
                            std::function<void(const lt::storage_error &,
                                               lt::aux::vector<lt::download_priority_t, lt::file_index_t>)>
                                handler) override
    {
        enqueue([=]() mutable {
            forgetPieces(storage);
            m_inner->async_set_file_priority(storage, priorities, toNetwork(std::move(handler)));
        });
    }

    void async_clear_piece(lt::storage_index_t storage, lt::piece_index_t index,
                           std::function<void(lt::piece_index_t)> handler) override
    {
        enqueue([=]() mutable {
            forgetPiece(storage, index);
            m_inner->async_clear_piece(storage, index, toNetwork(std::move(handler)));
        });
    }

    // The plain-file back-end keeps no state for these: they need not wait for the worker.
    void update_stats_counters(lt::counters &counters) const override
    {
        m_inner->update_stats_counters(counters);
    }
    std::vector<lt::open_file_state> get_status(lt::storage_index_t storage) const override
    {
        return m_inner->get_status(storage);
    }

    // Every queued job still runs: a write accepted is a write done.
    void abort(bool wait) override
    {
        if (wait)
            stopWorker();
        else
            requestStop();
        std::lock_guard<std::mutex> lock(m_innerMutex);
        m_inner->abort(wait);
    }

    void submit_jobs() override {}

    void settings_updated() override
    {
        std::lock_guard<std::mutex> lock(m_innerMutex);
        m_inner->settings_updated();
    }

private:
    // A block to write; neighbours in the queue are written in one call.
    struct Write
    {
        lt::storage_index_t storage;
        lt::peer_request request;
        std::vector<char> data;
        std::vector<std::function<void(const lt::storage_error &)>> handlers;
        lt::disk_job_flags_t flags;

        bool continuedBy(const Write &next) const
        {
            return next.storage == storage && next.flags == flags && next.request.piece == request.piece &&
                   next.request.start == request.start + request.length;
        }
    };

    struct Job
    {
        std::function<void()> call;
        std::shared_ptr<Write> write;
    };

    // The SHA-1 of a piece's first bytes, as they went to the disk without error.
    struct WrittenPiece
    {
        lt::hasher hash;
        int bytes = 0;
    };
    using PieceKey = std::pair<lt::storage_index_t, lt::piece_index_t>;

    // The inner back-end posts its handlers to a context of our own, run on the worker right after
    // each call: there they are moved on to the network thread, after the worker has seen their
    // results.
    template<typename... Args> std::function<void(Args...)> toNetwork(std::function<void(Args...)> handler)
    {
        if (!handler)
            return {};
        return [&ios = m_ios, handler = std::move(handler)](Args... args) mutable {
            boost::asio::post(
                ios, [handler = std::move(handler),
                      arguments = std::make_tuple(std::decay_t<Args>(std::move(args))...)]() mutable {
                    std::apply(handler, std::move(arguments));
                });
        };
    }

    void runInnerHandlers() { m_innerIos.poll(); }

    void enqueue(std::function<void()> call) { push(Job{std::move(call), nullptr}); }

    void push(Job job)
    {
        {
            std::lock_guard<std::mutex> lock(m_queueMutex);
            if (!m_stopped) {
                m_jobs.push_back(std::move(job));
                m_wake.notify_one();
                return;
            }
        }
        // Once the worker has ended (the session is closing), the job runs here.
        std::lock_guard<std::mutex> lock(m_innerMutex);
        execute(job);
    }

    void run()
    {
        for (;;) {
            Job job;
            {
                std::unique_lock<std::mutex> lock(m_queueMutex);
                m_wake.wait(lock, [this] { return !m_jobs.empty() || m_stopping; });
                if (m_jobs.empty()) {
                    m_stopped = true;
                    break;
                }
                job = std::move(m_jobs.front());
                m_jobs.pop_front();
                if (job.write)
                    joinFollowingWrites(*job.write);
            }
            std::lock_guard<std::mutex> lock(m_innerMutex);
            execute(job);
        }
        // Every handler is posted: the network thread may end once it has run them.
        m_work.reset();
    }

    // The plain-file back-end opens the file for every call: blocks that continue each other
    // within a piece go to the disk as one. Called with the queue locked.
    void joinFollowingWrites(Write &write)
    {
        while (!m_jobs.empty() && m_jobs.front().write && write.continuedBy(*m_jobs.front().write)) {
            Write &next = *m_jobs.front().write;
            write.data.insert(write.data.end(), next.data.begin(), next.data.end());
            write.request.length += next.request.length;
            write.handlers.insert(write.handlers.end(), std::make_move_iterator(next.handlers.begin()),
                                  std::make_move_iterator(next.handlers.end()));
            m_jobs.pop_front();
        }
    }

    // Handlers are moved on, never copied: libtorrent's hold its peers and torrents, which must
    // not be let go on this thread.
    void execute(const Job &job)
    {
        if (job.write) {
            executeWrite(*job.write);
            return;
        }
        job.call();
        runInnerHandlers();
    }

    void executeWrite(Write &write)
    {
        std::function<void(const lt::storage_error &)> forward =
            toNetwork(std::function<void(const lt::storage_error &)>(
                [handlers = std::move(write.handlers)](const lt::storage_error &error) {
                    for (const auto &handler : handlers)
                        handler(error);
                }));
        auto failed = std::make_shared<bool>(true);
        m_inner->async_write(
            write.storage, write.request, write.data.data(), nullptr,
            [failed, forward = std::move(forward)](const lt::storage_error &error) mutable {
                *failed = bool(error);
                forward(error);
            },
            write.flags);
        runInnerHandlers();
        if (*failed)
            forgetPiece(write.storage, write.request.piece);
        else
            hashWritten(write);
        written(write.request.length);
    }

    // A piece written from its start on, block after block, is hashed as it goes to the disk, so
    // that its check needs no read-back. Whatever else happens to a piece (blocks out of order, a
    // block written again, a failed write) sends its check to the disk.
    void hashWritten(const Write &write)
    {
        const PieceKey key(write.storage, write.request.piece);
        const lt::span<const char> data(write.data.data(), write.request.length);
        if (write.request.start == 0) {
            WrittenPiece &piece = m_writtenPieces[key];
            piece.hash.reset();
            piece.hash.update(data);
            piece.bytes = write.request.length;
            return;
        }
        const auto found = m_writtenPieces.find(key);
        if (found == m_writtenPieces.end() || write.request.start > found->second.bytes)
            return;
        if (write.request.start < found->second.bytes) {
            m_writtenPieces.erase(found);
            return;
        }
        found->second.hash.update(data);
        found->second.bytes += write.request.length;
    }

    bool answerFromWrittenBlocks(lt::storage_index_t storage, lt::piece_index_t piece, HashHandler &handler)
    {
        const auto found = m_writtenPieces.find(PieceKey(storage, piece));
        const auto files = m_files.find(storage);
        if (found == m_writtenPieces.end() || files == m_files.end() ||
            found->second.bytes != files->second->piece_size(piece))
            return false;
        const lt::sha1_hash hash = found->second.hash.final();
        m_writtenPieces.erase(found);
        boost::asio::post(m_ios, [handler = std::move(handler), piece, hash] {
            handler(piece, hash, lt::storage_error());
        });
        return true;
    }

    void forgetPiece(lt::storage_index_t storage, lt::piece_index_t piece)
    {
        m_writtenPieces.erase(PieceKey(storage, piece));
    }

    void forgetPieces(lt::storage_index_t storage)
    {
        auto piece = m_writtenPieces.lower_bound(PieceKey(storage, lt::piece_index_t(0)));
        while (piece != m_writtenPieces.end() && piece->first.first == storage)
            piece = m_writtenPieces.erase(piece);
    }

    void requestStop()
    {
        std::lock_guard<std::mutex> lock(m_queueMutex);
        m_stopping = true;
        m_wake.notify_one();
    }

    void stopWorker()
    {
        requestStop();
        if (m_worker.joinable())
            m_worker.join();
    }

    // Peers paused by a full queue read again once it is down to the low mark.
    void written(std::int64_t bytes)
    {
        std::vector<std::weak_ptr<lt::disk_observer>> resumed;
        {
            std::lock_guard<std::mutex> lock(m_queueMutex);
            m_queuedWriteBytes -= bytes;
            if (m_queuedWriteBytes <= m_writeQueueLimit / 2)
                resumed.swap(m_waitingObservers);
        }
        for (const std::weak_ptr<lt::disk_observer> &observer : resumed)
            boost::asio::post(m_ios, [observer] {
                if (const std::shared_ptr<lt::disk_observer> waiting = observer.lock())
                    waiting->on_disk();
            });
    }

    lt::io_context &m_ios;
    // Keeps the network thread running while jobs are queued, so that their handlers still run
    // when the session closes; the worker lets go once it has run the last job.
    boost::asio::executor_work_guard<lt::io_context::executor_type> m_work;
    lt::io_context m_innerIos;
    // Keeps polling the inner context possible when it is out of handlers.
    boost::asio::executor_work_guard<lt::io_context::executor_type> m_innerWork;
    std::unique_ptr<lt::disk_interface> m_inner;
    // The inner back-end is not thread-safe: it runs under this lock, on the worker but for the
    // few calls that must answer at once. The members below it are the worker's too.
    std::mutex m_innerMutex;
    std::map<lt::storage_index_t, lt::storage_holder> m_holders;
    // libtorrent keeps a storage's files for as long as the storage.
    std::map<lt::storage_index_t, const lt::file_storage *> m_files;
    std::map<PieceKey, WrittenPiece> m_writtenPieces;

    const std::int64_t m_writeQueueLimit;
    std::mutex m_queueMutex;
    std::condition_variable m_wake;
    std::deque<Job> m_jobs;
    bool m_stopping = false;
    bool m_stopped = false;
    std::int64_t m_queuedWriteBytes = 0;
    // Weak: a peer that closes meanwhile must not be kept, nor let go here.
    std::vector<std::weak_ptr<lt::disk_observer>> m_waitingObservers;

    // Last: it starts once everything above is ready.
    std::thread m_worker;
};

} // namespace

lt::disk_io_constructor_type threadedPosixDiskIo(std::int64_t writeQueueBytes)
{
    return [writeQueueBytes](lt::io_context &ios, const lt::settings_interface &settings,
                             lt::counters &counters) {
        return std::make_unique<ThreadedDiskIo>(ios, settings, counters, writeQueueBytes);
    };
}
