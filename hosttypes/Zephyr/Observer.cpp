#include "hosttypes/Zephyr/Observer.h"

#include <algorithm>

Observee& Observee::operator=(const Observee& other) {
    m_observers = other.m_observers;
    return *this;
}

bool Observee::CheckNotify() { return false; }

void Observee::Attach(Observer* observer) {
    if (observer && std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void Observee::Detach(Observer* observer) {
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}

const std::vector<Observer*>& Observee::GetObservers() const { return m_observers; }

Observee* Observer::GetSubject() const { return m_pSubject; }

void Observer::SetSubject(Observee* subject) { m_pSubject = subject; }
