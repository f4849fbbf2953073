#include "platform/user_dialogs.h"

namespace slv {

std::vector<DialogAnswer> answersOf(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return {DialogAnswer::Ok};
    case MessageButtons::OkCancel: return {DialogAnswer::Ok, DialogAnswer::Cancel};
    case MessageButtons::YesNo: return {DialogAnswer::Yes, DialogAnswer::No};
    case MessageButtons::YesNoCancel: return {DialogAnswer::Yes, DialogAnswer::No, DialogAnswer::Cancel};
    case MessageButtons::RetryCancel: return {DialogAnswer::Retry, DialogAnswer::Cancel};
    case MessageButtons::AbortRetryIgnore: return {DialogAnswer::Abort, DialogAnswer::Retry, DialogAnswer::Ignore};
    }
    return {DialogAnswer::Ok};
}

}  // namespace slv
