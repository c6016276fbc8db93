#!/usr/bin/python3
# A screen reader's view of one program on the AT-SPI bus: what it would
# speak for the focused control and for each change, and every combo with
# the value it would speak. One command a line on stdin, one JSON reply a
# line on stdout.
#
# A combo's value is read as Orca reads it: the selected child of the combo
# or of its first child (a list through the Selection interface, a menu
# through its item's selected state), else the text of an editable text
# child, else the combo's own text.
import json
import sys
import time

import pyatspi
from gi.repository import GLib

pid = int(sys.argv[1])
eventos = []
foco = [None]


def responder(obj):
    sys.stdout.write(json.dumps(obj, ensure_ascii=False) + "\n")
    sys.stdout.flush()


def rol(o):
    try:
        return o.getRoleName()
    except Exception:
        return ""


def texto_de(o):
    try:
        t = o.queryText()
        return t.getText(0, t.characterCount)
    except Exception:
        return ""


def seleccionados(o):
    if o is None:
        return []
    try:
        s = o.querySelection()
        return [s.getSelectedChild(i) for i in range(s.nSelectedChildren)]
    except Exception:
        pass
    if o.getRole() in (pyatspi.ROLE_MENU, pyatspi.ROLE_POPUP_MENU):
        return [c for c in o if c and c.getState().contains(pyatspi.STATE_SELECTED)]
    return []


def valor_combo(c):
    elegidos = seleccionados(c) or (seleccionados(c[0]) if c.childCount else [])
    if len(elegidos) == 1:
        return elegidos[0].name or texto_de(elegidos[0])
    for h in c:
        if h and h.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY) and h.getState().contains(pyatspi.STATE_EDITABLE):
            return texto_de(h)
    return texto_de(c)


def etiqueta(o):
    try:
        for r in o.getRelationSet():
            if r.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                return " ".join(r.getTarget(i).name for i in range(r.getNTargets()))
    except Exception:
        pass
    return ""


def combo_de(o):
    while o is not None and o.getRole() != pyatspi.ROLE_COMBO_BOX:
        if o.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_APPLICATION):
            return None
        o = o.parent
    return o


def habla(o):
    # Label (or name), role, value: what is spoken when the control takes the focus.
    if o is None:
        return {"habla": "", "rol": ""}
    partes = [etiqueta(o) or o.name]
    if o.name and o.name not in partes:
        partes.append(o.name)
    partes.append(rol(o))
    valor = valor_combo(o) if o.getRole() == pyatspi.ROLE_COMBO_BOX else texto_de(o)
    if valor:
        partes.append(valor)
    return {"habla": " ".join(p for p in partes if p), "rol": rol(o), "nombre": o.name, "valor": valor}


def al_evento(e):
    try:
        atender(e)
    except Exception:
        pass  # a control gone before its event was read


def atender(e):
    if e.host_application is None or e.host_application.get_process_id() != pid:
        return
    if e.type.startswith("object:state-changed:focused"):
        if e.detail1:
            foco[0] = e.source
        return
    # A change of the focused combo or of anything inside it is spoken as
    # the combo's value.
    c = combo_de(e.source)
    if c is not None and foco[0] is not None and c == combo_de(foco[0]):
        eventos.append({"evento": e.type, "habla": valor_combo(c)})


def aplicacion():
    for _ in range(200):
        d = pyatspi.Registry.getDesktop(0)
        for a in d:
            try:
                if a and a.get_process_id() == pid:
                    return a
            except Exception:
                pass
        time.sleep(0.1)
    return None


def combos(app):
    todos = []

    def recorrer(o):
        try:
            estado = o.getState()
            if not estado.contains(pyatspi.STATE_SHOWING):
                return
            if o.getRole() == pyatspi.ROLE_COMBO_BOX:
                x = o.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                todos.append({"nombre": o.name, "valor": valor_combo(o), "x": x.x, "y": x.y, "w": x.width,
                              "h": x.height, "hijos": o.childCount, "interfaces": pyatspi.listInterfaces(o),
                              "lista": pyatspi.listInterfaces(o[0]) if o.childCount else []})
                return
            for h in o:
                if h is not None:
                    recorrer(h)
        except Exception:
            pass

    for ventana in app:
        recorrer(ventana)
    return todos


def orden(fuente, condicion):
    linea = sys.stdin.readline()
    if not linea:
        pyatspi.Registry.stop()
        return False
    # Answered a moment later: the events already sent reach this process first.
    GLib.timeout_add(300, contestar, linea.strip())
    return True


def contestar(cmd):
    try:
        if cmd == "foco":
            responder(habla(foco[0]))
        elif cmd == "cambios":
            responder({"cambios": eventos[:]})
            eventos.clear()
        elif cmd == "combos":
            responder({"combos": combos(app)})
        else:
            responder({"error": "orden desconocida: " + cmd})
    except Exception as ex:
        responder({"error": str(ex)})
    return False


for tipo in ("object:state-changed:focused", "object:selection-changed", "object:text-changed",
             "object:property-change:accessible-name", "object:property-change:accessible-value",
             "object:active-descendant-changed", "object:state-changed:selected"):
    pyatspi.Registry.registerEventListener(al_evento, tipo)
app = aplicacion()
responder({"listo": app is not None})
if app is None:
    sys.exit(1)
GLib.io_add_watch(GLib.IOChannel.unix_new(sys.stdin.fileno()), GLib.IO_IN | GLib.IO_HUP, orden)
pyatspi.Registry.start()
