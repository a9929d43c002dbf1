// An environment variable set (or unset, for a null value) for one scope.
#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace horavia {

class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name), old_(qgetenv(name)) {
        had_ = qEnvironmentVariableIsSet(name);
        value ? qputenv(name, value) : qunsetenv(name);
    }
    ~ScopedEnv() { had_ ? qputenv(name_, old_) : qunsetenv(name_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    const char* name_;
    QByteArray old_;
    bool had_ = false;
};

}  // namespace horavia
