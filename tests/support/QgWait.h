#pragma once

// Waiting in tests: the event loop runs (window messages, timers, socket
// notifiers and the SNMP completions they deliver) until what the test waits
// for holds, never for a fixed time.
#include <QString>
#include <functional>

class KtSNMPRequest2Controls;
class QDialog;

// Lets events run until `done` holds or `timeoutMs` has passed; whether
// `done` holds.
bool WaitUntil(const std::function<bool()> &done, int timeoutMs = 15000);

// Waits until the binding has no request running.
bool WaitIdle(const KtSNMPRequest2Controls *binding, int timeoutMs = 15000);

// Runs what is already queued (posted events, and timers and sockets that are
// due) without waiting for more: for checks that nothing else happens after
// an action whose own work has ended.
void RunQueuedEvents();

// Runs `action` on the first visible modal dialog with the given object
// name (any name when empty), once it is up; a test that opens a dialog with
// exec() arms this first.
void WhenModal(const QString &objectName, std::function<void(QDialog *)> action, int triesLeft = 500);
