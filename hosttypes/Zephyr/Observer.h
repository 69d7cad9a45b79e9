// Observee / Observer: a kit tells the objects that watch it when it changed.
#pragma once

#include <vector>

class Observer;

class Observee {
public:
    Observee();
    virtual ~Observee();
    Observee(const Observee& other) : m_observers(other.m_observers) {}
    Observee& operator=(const Observee& other);

    // Whether a change should be passed on; the base never asks for it.
    virtual bool CheckNotify();
    // Tells every registered observer (kit library).
    virtual void Notify();

    void Attach(Observer* observer);
    void Detach(Observer* observer);
    const std::vector<Observer*>& GetObservers() const;

protected:
    std::vector<Observer*> m_observers;
};

class Observer {
public:
    Observer();
    virtual ~Observer();
    Observer(const Observer& other) : m_pSubject(other.m_pSubject) {}
    Observer& operator=(const Observer& other) = default;

    // Called by the subject's Notify (kit library).
    virtual void OnNotify(Observee* subject);
    // Asks the observed subject to notify its observers (kit library).
    virtual void NotifyObservee();

    Observee* GetSubject() const;
    void SetSubject(Observee* subject);

protected:
    Observee* m_pSubject = nullptr;
};
