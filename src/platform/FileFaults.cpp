#include "platform/FileFaults.h"

#include <utility>

namespace {

CScopedFileFault::Fault g_fault;

} // namespace

int InjectedFileFault(FileCall call, const std::string& path) {
    return g_fault ? g_fault(call, path) : 0;
}

CScopedFileFault::CScopedFileFault(Fault fault) : m_previous(std::exchange(g_fault, std::move(fault))) {}

CScopedFileFault::~CScopedFileFault() {
    g_fault = std::move(m_previous);
}
