#pragma once
#include <functional>

// The downloads' disk work, off the network thread, in the order it was asked for. Two threads:
// one writes and hashes bodies as they arrive; the other does the slow rest (opening files,
// making bodies durable, records, removing kept bodies, the ends). A disk that takes seconds to
// sync then never holds the network thread, nor the writing of other bodies.
namespace DiskQueue {

// Slow work. Any thread.
void post(std::function<void()> work);
// Writing and hashing. Any thread.
void write(std::function<void()> work);
// Slow work that must follow every write asked for before it. Any thread.
void afterWrites(std::function<void()> work);

}
