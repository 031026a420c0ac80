#pragma once
#include <functional>

// One thread for the downloads' slow disk work (opening files, making bodies durable, records,
// removing kept bodies), done in the order it was asked for: a disk that takes seconds to sync
// never holds the network thread, and with it every other transfer and their idle clocks.
namespace DiskQueue {

// Any thread.
void post(std::function<void()> work);

}
