#pragma once

// The note markers: dots on the neck (TMusic) and in the chord diagrams (TNote).
// The window never paints a marker itself; it hands each one a message record.

#include "Dispatch.h"
#include "TShape.h"

#include <cstdint>
#include <functional>

using TMarkerMessage = TMessage;

inline constexpr std::int32_t msgShow = 1424;
inline constexpr std::int32_t msgHide = 1425;
inline constexpr std::int32_t msgTranspose = 1426;

// In the key form of the show message Result carries the key plus this.
inline constexpr std::int32_t keyFormOffset = 12;

inline const QColor markerNavy { 0, 0, 128 };

class TMusic : public TShape
{
    Q_OBJECT
    Q_PROPERTY(int Note READ Note WRITE setNote)

public:
    explicit TMusic(QWidget *parent = nullptr);

    int Note() const { return m_note; }
    void setNote(int note);

    // Raised for a double-click anywhere in the marker, shown or hidden.
    std::function<void(TMusic *sender)> OnDblClick;

protected:
    void DefaultHandler(TMessage &message) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    int m_note = 0;
};

class TNote : public TShape
{
    Q_OBJECT
    Q_PROPERTY(int Note READ Note WRITE setNote)

public:
    explicit TNote(QWidget *parent = nullptr);

    int Note() const { return m_note; }
    void setNote(int note);

protected:
    void DefaultHandler(TMessage &message) override;

private:
    int m_note = 0;
};
