#pragma once

namespace quorvel {

// Lets pending window messages run once. Moderation actions and the admin
// join's waits call it, so timer ticks and button presses may run inside them.
class MessagePump {
 public:
  virtual ~MessagePump() = default;
  virtual void PumpOnce() = 0;
};

}  // namespace quorvel
