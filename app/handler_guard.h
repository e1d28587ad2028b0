#pragma once
// Every handler runs inside this guard: an error ends the handler where it
// stands, whatever it changed so far stays, and the message is reported so
// the run can go on.

#include "app/app_error.h"

#include <exception>
#include <new>
#include <string>

namespace brindle {

// Calls handler(); on an error calls report(message) and returns false.
template <typename Handler, typename Report> bool RunGuarded(Handler&& handler, Report&& report) {
    try {
        handler();
        return true;
    } catch (const std::bad_alloc&) {
        report(std::string("Out of memory"));
    } catch (const std::exception& error) {
        report(std::string(error.what()));
    } catch (...) {
        report(std::string("Unknown error"));
    }
    return false;
}

} // namespace brindle
