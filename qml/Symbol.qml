import QtQuick

// The few symbols the launcher draws itself: "person", "chevron", "gear", "wifi".
Canvas {
    id: symbol
    property string name
    property color color: "white"
    onColorChanged: requestPaint()
    onNameChanged: requestPaint()
    onPaint: {
        const c = getContext("2d")
        const w = width, h = height
        c.reset()
        c.fillStyle = symbol.color
        c.strokeStyle = symbol.color
        if (name === "person") {
            c.beginPath(); c.arc(w / 2, h / 2, w / 2, 0, Math.PI * 2); c.fill()
            c.globalCompositeOperation = "destination-out"
            c.beginPath(); c.arc(w / 2, h * 0.38, w * 0.17, 0, Math.PI * 2); c.fill()
            c.beginPath(); c.ellipse(w * 0.22, h * 0.6, w * 0.56, h * 0.5); c.fill()
        } else if (name === "chevron") {
            c.lineWidth = Math.max(1.5, w / 5)
            c.beginPath(); c.moveTo(w * 0.1, h * 0.3); c.lineTo(w / 2, h * 0.75); c.lineTo(w * 0.9, h * 0.3); c.stroke()
        } else if (name === "gear") {
            c.translate(w / 2, h / 2)
            for (let i = 0; i < 8; ++i) {
                c.rotate(Math.PI / 4)
                c.fillRect(-w * 0.09, -h * 0.5, w * 0.18, h * 0.25)
            }
            c.beginPath(); c.arc(0, 0, w * 0.33, 0, Math.PI * 2); c.fill()
            c.globalCompositeOperation = "destination-out"
            c.beginPath(); c.arc(0, 0, w * 0.13, 0, Math.PI * 2); c.fill()
        } else if (name === "wifi") {
            c.lineWidth = w / 12
            c.lineCap = "round"
            for (let r = 1; r <= 3; ++r) {
                c.beginPath(); c.arc(w * 0.42, h * 0.85, w * 0.22 * r, Math.PI * 1.25, Math.PI * 1.75); c.stroke()
            }
            c.beginPath(); c.arc(w * 0.42, h * 0.85, w * 0.06, 0, Math.PI * 2); c.fill()
            c.fillRect(w * 0.86, h * 0.2, w * 0.08, h * 0.45)
            c.fillRect(w * 0.86, h * 0.75, w * 0.08, h * 0.1)
        }
    }
}
