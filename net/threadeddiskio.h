#pragma once

#include <libtorrent/session_params.hpp>

#include <cstdint>

// libtorrent's plain-file disk I/O (no memory mapping, so the resident size stays flat) on a
// thread of its own. On its own it writes every block and hashes every piece on the network
// thread, which then stops reading the sockets meanwhile. Here the network thread only queues the jobs; one
// worker runs them in the order they came, so a read or a hash always sees the writes queued
// before it, and the handlers still run on the network thread. Past writeQueueBytes of queued
// writes the peers pause until the worker is down to half of them.
constexpr std::int64_t DefaultWriteQueueBytes = 8 * 1024 * 1024;
libtorrent::disk_io_constructor_type
threadedPosixDiskIo(std::int64_t writeQueueBytes = DefaultWriteQueueBytes);
