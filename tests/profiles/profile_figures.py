#!/usr/bin/env python3
"""Expected figures of profilehydraulics_test.cpp and profilecurves_test.cpp,
worked out apart from the program: the sections by numerical quadrature of
the outline (the egg from its three circles, the box from its walls), the
hydraulics in plain SI units, the filling height as the lowest root of
Q(h) = Qt by bisection (the tests take the heights for Qt -+ 0.0001 l/s,
the program's tolerance), the design by trying the sizes one after another,
the greatest discharge by a ternary search. Needs mpmath; takes a few
minutes. Run: python3 profile_figures.py
"""
from mpmath import mp, mpf, sqrt, log10, quad, floor

mp.dps = 20
G = mpf('9.81')
NU = mpf('1.31e-6')


def egg_edges(b):
    """Right half of the egg 2:3 of width b: pieces (y0, y1, x(y), dx/dy)."""
    r = mpf(b) / 2
    def circle(cx, cy, rho):
        x = lambda y: cx + sqrt(max(rho**2 - (y - cy)**2, 0))
        dx = lambda y: -(y - cy) / sqrt(rho**2 - (y - cy)**2)
        return x, dx
    inv = circle(0, r / 2, r / 2)      # invert, radius r/2
    side = circle(-2 * r, 2 * r, 3 * r)  # side, radius 3r, centre across the axis
    crown = circle(0, 2 * r, r)        # crown, radius r
    return [(0, r / 5, *inv), (r / 5, 2 * r, *side), (2 * r, 3 * r, *crown)]


def section(shape, b, H, h):
    """Area (mm2) and wetted perimeter (mm) at filling h (mm)."""
    b, H, h = mpf(b), mpf(H), mpf(h)
    if shape == 'box':
        area = quad(lambda y: b, [0, h])
        perim = b + 2 * quad(lambda y: 1, [0, h]) + (b if h == H else 0)
        return area, perim
    area = 0
    perim = 0
    for y0, y1, x, dx in egg_edges(b):
        top = min(h, y1)
        if top <= y0:
            continue
        area += 2 * quad(x, [y0, top])
        perim += 2 * quad(lambda y: sqrt(1 + dx(y)**2), [y0, top])
    return area, perim


class Reach:
    def __init__(self, shape, b, H, kb, Is):
        self.shape, self.b, self.H, self.kb, self.Is = shape, b, H, mpf(kb), mpf(Is)
        a, p = section(shape, b, H, H)
        self.A = a * mpf('1e-6')          # m2
        self.R = a / p * mpf('1e-3')      # m
        d = 4 * self.R                    # hydraulic diameter, m
        s = sqrt(2 * G * d * self.Is / 1000)
        self.vv = -2 * log10(mpf('2.51') * NU / (d * s) + self.kb / 1000 / (mpf('3.71') * d)) * s
        self.Qv = self.vv * self.A * 1000  # l/s
        self.Qv_cut = floor(self.Qv * 100) / 100

    def flow(self, h):
        """(Q l/s, vt m/s, At m2, Rt m) at filling h (mm)."""
        if h <= 0:
            return 0, 0, 0, 0
        a, p = section(self.shape, self.b, self.H, h)
        At, Rt = a * mpf('1e-6'), a / p * mpf('1e-3')
        vt = (Rt / self.R) ** mpf('0.625') * self.vv
        return vt * At * 1000, vt, At, Rt

    def filling(self, Qt):
        """Lowest h (mm) with Q(h) = Qt: scan up, then bisect."""
        n = 400
        lo = mpf(0)
        for i in range(1, n + 1):
            hi = self.H * mpf(i) / n
            if self.flow(hi)[0] >= Qt:
                break
            lo = hi
        for _ in range(80):
            mid = (lo + hi) / 2
            if self.flow(mid)[0] < Qt:
                lo = mid
            else:
                hi = mid
        return (lo + hi) / 2


EGGS = [(500, 750), (600, 900), (700, 1050), (800, 1200), (900, 1350), (1000, 1500), (1200, 1800), (1400, 2100)]


def design(Q, hH, kb, Is, use09):
    Qbem = mpf(Q) / mpf('0.9') if use09 else mpf(Q)
    for b, H in EGGS:
        reach = Reach('egg', b, H, kb, Is)
        q, vt, _, _ = reach.flow(mpf(hH) / 100 * H)
        if q >= Qbem:
            return b, H, Qbem, mpf(hH) / 1000 * H, q, reach.Qv, reach.vv, vt
    return None


def f(x, n=7):
    return mp.nstr(x, n, strip_zeros=False)


if __name__ == '__main__':
    egg = Reach('egg', 2, 3, 1, 1)
    a, p = section('egg', 2, 3, 3)
    print('published rows: hH  A/Av  R/Rv')
    for hH in ('0.04', '0.08'):
        at, pt = section('egg', 2, 3, 3 * mpf(hH))
        print(' ', hH, f(at / a, 6), f((at / pt) / (a / p), 6))

    cases = [('egg', 600, 900, '1.5', '5', ['0.01', '1', '10', '100', 'Qv']),
             ('egg', 1000, 1500, '0.75', '2', ['5', '500', 'Qv']),
             ('box', 1000, 800, '1.5', '3', ['20', '400', 'Qv']),
             ('box', 2000, 1500, '0.25', '1', ['100', '2000', 'Qv'])]
    print('full flow: shape b H kb Is | A m2, R m, Qv cut l/s (Qv uncut), vv m/s')
    print('  partial: Qt | Qt/Qv % | at Qt - 0.0001 and at Qt + 0.0001 l/s: h cm, h/H %, vt m/s, At m2, Rt m')
    for shape, b, H, kb, Is, flows in cases:
        reach = Reach(shape, b, H, kb, Is)
        print(shape, b, H, kb, Is, '|', f(reach.A, 10), f(reach.R, 10), f(reach.Qv_cut, 10),
              '(' + f(reach.Qv, 12) + ')', f(reach.vv, 10))
        for q in flows:
            Qt = reach.Qv_cut if q == 'Qv' else mpf(q)
            row = []
            for miss in (-1, 1):
                h = reach.filling(Qt + miss * mpf('0.0001'))
                Q, vt, At, Rt = reach.flow(h)
                row += [h / 10, h / H * 100, vt, At, Rt]
            print('  ', f(Qt, 8), '|', f(Qt / reach.Qv_cut * 100, 10), '|', ', '.join(f(x, 10) for x in row))

    print('design: Q hH kb Is use09 | b H, Qbem, h cm, Q at h, Qv uncut, vv, vt')
    for Q, hH, kb, Is, use09 in [('1', '80', '1.5', '5', False), ('360', '80', '1.5', '5', False),
                                 ('360', '80', '1.5', '5', True), ('500', '50', '0.75', '2', True),
                                 ('4000', '90', '1.5', '3', False), ('5200', '90', '1.5', '3', False)]:
        d = design(Q, hH, kb, Is, use09)
        print(Q, hH, kb, Is, use09, '|', 'none' if d is None else ' '.join(
            [str(d[0]), str(d[1])] + [f(x, 10) for x in d[2:]]))

    print('greatest discharge: shape b H | h/H %, Q/Qv (uncut) %')
    for shape, b, H in [('egg', 600, 900), ('box', 1000, 800)]:
        reach = Reach(shape, b, H, '1.5', '5')
        lo, hi = mpf(H) / 2, mpf(H)
        for _ in range(60):  # ternary search on the one maximum
            m1, m2 = lo + (hi - lo) / 3, hi - (hi - lo) / 3
            if reach.flow(m1)[0] < reach.flow(m2)[0]:
                lo = m1
            else:
                hi = m2
        h = (lo + hi) / 2
        print(shape, b, H, '|', f(h / H * 100, 8), f(reach.flow(h)[0] / reach.Qv * 100, 8))

