#pragma once

#include <cstdint>

// A message record in the window system's shape: its number first, then three words.
struct TMessage
{
    std::int32_t Msg = 0;
    std::int32_t WParam = 0;
    std::int32_t LParam = 0;
    std::int32_t Result = 0;
};

// Direct, synchronous message delivery to one object. There are no dedicated
// handlers in this program, so every record reaches DefaultHandler.
class TMessageTarget
{
public:
    virtual ~TMessageTarget() = default;

    void Dispatch(TMessage &message) { DefaultHandler(message); }

protected:
    // Receives every message no dedicated handler claims; the base ignores it.
    virtual void DefaultHandler(TMessage &message);
};
