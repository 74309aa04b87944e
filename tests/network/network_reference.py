#!/usr/bin/env python3
"""Reference figures for the network tests, worked out apart from the program.

Prandtl-Colebrook for the full pipe (nu = 1.31e-6 m^2/s, 2g = 19.62 m/s^2,
pi = 3.14159265358979 as the program has always used it, Qv cut to two
decimals), vt = (Rt/Rv)^0.625 * vv for the partial filling, and the
flow-time method reach by reach. The roots are found by bisection to the
last bit, not by the program's stepping search, so the figures agree with
the program's to the digits shown.
Run: python3 tests/network/network_reference.py
"""
import math

PI = 3.14159265358979
NU = 1.31e-6
TWO_G = 19.62
SERIES = [150, 200, 250, 300, 350, 400, 450, 500, 600, 700, 800, 900, 1000,
          1100, 1200, 1300, 1400, 1500, 1600, 1800, 2000, 2200, 2400, 2600, 2800, 3000]


def full_flow(d_mm, kb, Is):
    d = d_mm / 1000
    A = d * d * PI / 4
    S = math.sqrt(TWO_G * d * Is / 1000)
    Q = -2 * math.log10(2.51 * NU / (d * S) + kb / (3.71 * d_mm)) * S * A * 1000
    return A, Q, Q / A / 1000  # m2, l/s uncut, m/s


def segment(phi_deg, d_mm, vv):
    r = d_mm / 2000
    ph = phi_deg * PI / 180
    At = (ph - math.sin(ph)) * r * r / 2
    Ut = r * ph
    Rt = At / Ut
    vt = (Rt / (r / 2)) ** 0.625 * vv
    return At, vt, vt * At * 1000, Rt


def bisect(f, lo, hi):
    for _ in range(200):
        mid = (lo + hi) / 2
        if f(mid) > 0:
            hi = mid
        else:
            lo = mid
    return (lo + hi) / 2


def partial(d_mm, vv, Qt):
    peak = max(range(1, 3600), key=lambda i: segment(i / 10, d_mm, vv)[2]) / 10
    phi = bisect(lambda p: segment(p, d_mm, vv)[2] - Qt, 1e-9, peak)
    At, vt, _, Rt = segment(phi, d_mm, vv)
    h = (1 - math.cos(phi * PI / 360)) * d_mm / 20  # cm
    return phi, h, vt, Rt


def design(Q, hd, kb, Is, use09):
    Qbem = Q / 0.9 if use09 else Q

    def capacity(D):
        _, _, vv = full_flow(D, kb, Is)
        phi = math.asin(math.sqrt(hd / 100)) * 4 * 180 / PI
        return segment(phi, D, vv)[2]
    return bisect(lambda D: capacity(D) - Qbem, 1, 20000)


def rain(table, D):
    if D <= table[0][0]:
        return table[0][1]
    for (d1, r1), (d2, r2) in zip(table, table[1:]):
        if D <= d2:
            return r1 + (r2 - r1) * (D - d1) / (d2 - d1)
    raise ValueError("above the rain table")


def pipe(reach, Q, Is, smallest):
    """d or DN, Qv (cut), vv, and the partial flow or None."""
    out = {}
    if reach["d"] is None:
        D = design(Q, reach["hd"], reach["kb"], Is, reach.get("use09", True))
        out["derf"] = D
        d = min(s for s in SERIES if s >= D and s >= smallest)
        out["DN"] = d
    else:
        d = reach["d"]
    _, Qv_raw, vv = full_flow(d, reach["kb"], Is)
    Qv = math.trunc(Qv_raw * 100) / 100
    out.update(d=d, Qv=Qv, vv=vv)
    if Q > Qv:
        out["over"] = Q / Qv * 100
        out["v"] = vv
        return out
    phi, h, vt, Rt = partial(d, vv, Q)
    out.update(h=h, hd=h / (d / 10) * 100, qq=Q / Qv * 100, vt=vt, Rt=Rt, v=vt)
    return out


def network(reaches, table, t0=5.0):
    done = {}
    for r in reaches:  # listed upstream first
        incoming = [done[u["name"]] for u in reaches if u["to"] == r["frm"] and u["name"] in done]
        Is = (r["top"] - r["bottom"]) / r["L"] * 1000 if "top" in r else r["Is"]
        ared = r["AE"] * r["psi"]
        ared_sum = ared + sum(u["ared_sum"] for u in incoming)
        qt_sum = r["QT"] + sum(u["qt_sum"] for u in incoming)
        t_start = max(u["tf"] for u in incoming) if incoming else t0
        smallest = max([u["size"] for u in incoming], default=0)
        v, t_before, passes = 1.0, None, 0
        while True:
            passes += 1
            t_end = t_start + r["L"] / (60 * v)
            rr = rain(table, t_end)
            Qr = rr * ared_sum
            Q = Qr + qt_sum
            p = pipe(r, Q, Is, smallest)
            if t_before is not None and abs(t_end - t_before) < 0.0001:
                break
            v, t_before = p["v"], t_end
        size = p.get("DN", p["d"])
        res = dict(name=r["name"], Is=Is, ared=ared, ared_sum=ared_sum, qt_sum=qt_sum, tf=t_end, r=rr,
                   Qr=Qr, Q=Q, size=size, passes=passes, **p)
        if "Rt" in p:
            res["tau"] = 1000 * 9.81 * p["Rt"] * Is / 1000
        if "cover" in r and "top" in r:
            res["cover"] = r["cover"] - r["top"] - size / 1000
        done[r["name"]] = res
        yield res


TABLE = [(5, 283.3), (10, 190), (15, 146.7), (20, 120), (30, 90), (60, 55)]
REACHES = [
    dict(name="H1", frm="S1", to="S2", L=60, top=105.00, bottom=104.70, cover=107.50, d=None, kb=1.5,
         AE=1.2, psi=0.6, QT=0.5, hd=70),
    dict(name="H2", frm="S2", to="S3", L=80, top=104.65, bottom=104.30, cover=107.20, d=None, kb=1.5,
         AE=0.8, psi=0.5, QT=0.3, hd=70),
    dict(name="H3", frm="S7", to="S3", L=50, Is=12, d=250, kb=1.5, AE=0.5, psi=0.7, QT=0),
    dict(name="H4", frm="S3", to="S4", L=70, top=104.20, bottom=103.95, cover=106.00, d=None, kb=1.5,
         AE=0.6, psi=0.6, QT=0.2, hd=70),
    dict(name="H5", frm="S4", to="S5", L=90, top=103.98, bottom=103.60, cover=104.90, d=800, kb=1.5,
         AE=0.4, psi=0.5, QT=0),
    dict(name="H6", frm="S5", to="S6", L=40, top=103.55, bottom=103.15, d=None, kb=1.5,
         AE=0, psi=0, QT=0, hd=80),
]

if __name__ == "__main__":
    for res in network(REACHES, TABLE):
        f = lambda k, fmt="%.2f": (fmt % res[k]) if k in res else ""
        print(res["name"], "passes", res["passes"], "|", f("Is"), f("ared"), f("ared_sum"), f("qt_sum"), f("tf"),
              f("r", "%.1f"), f("Qr"), f("Q"), "|", res["d"], f("Qv"), f("vv"), f("h", "%.1f"), f("hd", "%.1f"),
              f("qq", "%.1f"), f("vt"), f("derf", "%.1f"), res.get("DN", ""), "|", f("tau"), f("cover"),
              f("over", "%.1f"))
