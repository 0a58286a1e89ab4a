// ntc-beta-cli: the two languages of the message catalogue, each in a file of its own.
#pragma once

#include "cli/messages/messages.h"

namespace cli::catalogue {

extern const Messages english;
extern const Messages chinese;

} // namespace cli::catalogue
