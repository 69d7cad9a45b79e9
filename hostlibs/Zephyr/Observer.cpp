#include "hosttypes/Zephyr/Observer.h"

#include "hostlibs/Zephyr/ZephyrTesting.h"

using zephyr::detail::Record;

Observee::Observee() = default;
Observee::~Observee() = default;

void Observee::Notify() {
    Record("Observee::Notify", this);
    // Observers may detach while being told.
    const std::vector<Observer*> observers = m_observers;
    for (Observer* observer : observers) observer->OnNotify(this);
}

Observer::Observer() = default;
Observer::~Observer() = default;

void Observer::OnNotify(Observee*) { Record("Observer::OnNotify", this); }

void Observer::NotifyObservee() {
    Record("Observer::NotifyObservee", this);
    if (m_pSubject) m_pSubject->Notify();
}
