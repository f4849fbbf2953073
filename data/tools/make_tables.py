#!/usr/bin/env python3
"""Builds the CSV tables of the data folder from public sources (record of how they were made).

Usage:  python3 make_tables.py SRC_DIR OUT_DIR
SRC_DIR holds the three input files taken from public repositories (see README.md):
  edge_tables.py  (AustralianSynchrotron/Sakura: X-ray Data Booklet electron binding energies)
  sfwagner.db     (ddkn/xps: Wagner et al. 1981 atomic sensitivity factors, sqlite)
  el_rows.json    (c0deta1ker/MatBaseX-Lite element database sheet, rows as lists)
Needs Debian packages python3-xraylib, python3-periodictable, python3-numpy.
"""
import ast, json, math, sqlite3, sys, csv
import numpy as np
import xraylib as xrl
import periodictable as pt

SRC, OUT = sys.argv[1], sys.argv[2]
E_MG, E_AL = 1253.6, 1486.6
BE_MAX, BE_MIN = 1400.0, 10.0

# ---------------------------------------------------------------- shells
SHELLS = ['K', 'L1', 'L2', 'L3', 'M1', 'M2', 'M3', 'M4', 'M5',
          'N1', 'N2', 'N3', 'N4', 'N5', 'N6', 'N7',
          'O1', 'O2', 'O3', 'O4', 'O5', 'O6', 'O7', 'P1', 'P2', 'P3', 'P4', 'P5', 'Q1']
LINE = {}
for n, names in [(1, ['K']), (2, ['L1', 'L2', 'L3']), (3, ['M1', 'M2', 'M3', 'M4', 'M5']),
                 (4, ['N%d' % i for i in range(1, 8)]), (5, ['O%d' % i for i in range(1, 8)]),
                 (6, ['P%d' % i for i in range(1, 6)]), (7, ['Q1'])]:
    labels = ['s', 'p1', 'p3', 'd3', 'd5', 'f5', 'f7']
    for sh, lab in zip(names, labels):
        LINE[sh] = '%d%s' % (n, lab)
XRL_SHELL = {sh: getattr(xrl, sh + '_SHELL') for sh in SHELLS}
BOOKLET_ORDER = SHELLS[:16] + ['O1', 'O2', 'O3', 'O4', 'O5', 'P1', 'P2', 'P3']


def xrl_call(f, *a):
    try:
        v = f(*a)
        return v if v and v > 0 else None
    except Exception:
        return None


def load_booklet():
    text = open(SRC + '/edge_tables.py').read()
    start = text.index('edgeEnergy')
    body = text[text.index('{', start): text.index('}', start) + 1]
    return ast.literal_eval(body)


def align_booklet(Z, vals):
    """The transcribed booklet rows drop blank cells, so align each row with the shell list
    (monotone mapping, dynamic programming on |ln(b/x)| against xraylib edge energies)."""
    xs = []
    for sh in BOOKLET_ORDER:
        x = xrl_call(xrl.EdgeEnergy, Z, XRL_SHELL[sh])
        xs.append(x * 1000.0 if x else None)
    m, S = len(vals), len(BOOKLET_ORDER)

    def cost(b, x):
        if b <= 0.2:
            return 0.0 if (x is None or x < 10) else 5.0
        if x is None or x < 2.0:   # unknown or unbound (< 2 eV) in xraylib
            return 0.2 if b < 12 else 1.0
        return abs(math.log(b / x))
    INF = float('inf')
    best = [[INF] * S for _ in range(m)]
    prev = [[-1] * S for _ in range(m)]
    for i in range(S):
        best[0][i] = cost(vals[0], xs[i])
    for j in range(1, m):
        for i in range(j, S):
            k = min(range(j - 1, i), key=lambda k: best[j - 1][k])
            best[j][i] = best[j - 1][k] + cost(vals[j], xs[i])
            prev[j][i] = k
    i = min(range(S), key=lambda i: best[m - 1][i])
    out = {}
    for j in range(m - 1, -1, -1):
        out[BOOKLET_ORDER[i]] = vals[j]
        i = prev[j][i]
    return out


def binding_energies(Z, booklet):
    """shell -> (BE eV, origin) merging the booklet table with xraylib EdgeEnergy."""
    sym = xrl.AtomicNumberToSymbol(Z)
    vals = booklet.get(sym, [])
    bk = align_booklet(Z, vals) if vals else {}
    out = {}
    for sh in SHELLS:
        x = xrl_call(xrl.EdgeEnergy, Z, XRL_SHELL[sh])
        x = x * 1000.0 if x else None
        b = bk.get(sh)
        b = b if b and b > 0.2 else None
        if b is not None and (x is None or x < 50 or abs(math.log(b / x)) < math.log(1.5)):
            out[sh] = (float(b), 'booklet')
        elif x is not None:
            out[sh] = (x, 'xraylib' if b is None else 'xraylib(booklet value %.1f rejected)' % b)
    return out


def cs_barn(Z, sh, e_ev):
    """Subshell photoionisation cross section per atom (barn). In xraylib 4.0 CSb_Photo_Partial is
    per electron, so it is multiplied by the subshell occupancy (ElectronConfig); this equals
    CS_Photo_Partial x AtomicWeight / N_A."""
    per_el = xrl_call(xrl.CSb_Photo_Partial, Z, XRL_SHELL[sh], e_ev / 1000.0)
    occ = xrl_call(xrl.ElectronConfig, Z, XRL_SHELL[sh])
    return per_el * occ if per_el and occ else None


C1S = {E: cs_barn(6, 'K', E) for E in (E_MG, E_AL)}

# ---------------------------------------------------------------- beta (Cant et al. 2022, SIA 54, 442)
CANT_S = {  # shell: ca, da, dm, gm, dq, gq, dn, gn, ds, gs
    '1s': (2.00, -1.03e-2, 6.17e-1, 1.58e-1, 1.78, 2.74e-2, 0, 0, 0, 0),
    '2s': (2.01, -1.04e-2, 5.42e-1, 1.18e-1, 1.59, 3.70e-2, 6.40e-3, 3.40e-2, 9.29, -2.04e-1),
    '3s': (2.00, -2.73e-2, 4.72e-2, 9.01e-1, 2.39e-1, 2.32e-1, 1.72e-3, -1.07e-1, 6.70, -4.52e-2),
    '4s': (1.44, 1.89e-2, 5.35e-1, -5.01e-2, 1.20e-3, 2.43, 5.87e-5, 1.59, 10.4, -2.94e-1),
    '5s': (1.34, 1.61e-2, 6.27e-1, -1.92e-2, 1.19e-3, 2.30, 1.41e-4, 1.22, 8.77, -2.26e-1)}
CANT_L = {  # shell: ca, da, dm, gm, db, gb, dq, n, cs, ds, cr, dr
    '2p1': (1.48, -6.67e-3, 39.8, -0.814, 0.224, 0.457, 1.11e-2, 1.10, 0.501, 0.231, 57.6, 17.5),
    '2p3': (1.55, 0, 34.9, -0.785, 0.237, 0.457, 1.07e-2, 1.31, 0.525, 3.31e-3, 60.9, 25.1),
    '3p1': (1.64, -4.40e-3, 9.59, -0.560, 0.356, 0.389, 0, 1.40, 0.696, 0.135, 22.3, 75.6),
    '3p3': (2.21, 0, 5.04, -0.287, 0.491, 0.288, 0, 2.90, 0.372, 9.16e-2, 75.8, 137),
    '4p1': (1.74, -1.07e-3, 3.57, -0.356, 0.476, 0.348, 0, 2.01, 0.981, 0, 0, 223),
    '4p3': (1.75, 0, 5.75, -0.387, 0.456, 0.316, 3.03e-4, 0.894, 1.41, 0, 0, 227),
    '5p1': (1.72, -2.35e-3, 3.52, -0.354, 0.520, 0.312, 3.06e-4, 0.787, 8.11, 0, 0, 737),
    '5p3': (1.77, 0, 3.25, -0.186, 0.457, 0.328, 3.05e-4, 0.783, 8.20, 0, 0, 712),
    '3d3': (1.32, 0, 6.86, -0.270, 0.467, 0.340, 5.21e-2, 0.945, 1.02, 0.528, 206, 213),
    '3d5': (1.24, 0, 8.76, -0.574, 0.422, 0.417, 4.06e-2, 0.736, 1.03, 0.445, 212, 134),
    '4d3': (1.53, 0, 5.81, -0.317, 0.528, 0.338, 5.01e-2, 2.34, 0.290, 0.614, 344, 0),
    '4d5': (1.41, 0, 4.88, -0.601, 0.536, 0.409, 1.92e-2, 2.93, 0.396, 0.312, 139, 0),
    '5d3': (1.44, -2.50e-5, 4.55, -0.182, 0.606, 0.273, 3.96e-2, 3.25, 0.567, 1.36e-2, 176, 1.35e-3),
    '5d5': (1.46, -2.49e-5, 2.51, -0.404, 0.660, 0.350, 1.60e-10, 2.92, 0.481, 0, 130, 4.44e-9),
    '4f5': (1.06, 0, 4.41, -0.623, 0.620, 0.395, 6.37e-2, 5.52, 0.354, 1.46, 244, 0),
    '4f7': (1.05, -4.43e-6, 4.10, -0.643, 0.631, 0.399, 7.21e-2, 5.60, 0.326, 1.34, 206, 0)}


def beta_cant(Z, line, hv, be):
    """Dipole asymmetry parameter from the Cant et al. (2022) fit; None if not parameterised."""
    h, z = hv / 1000.0, Z / 100.0
    if line in CANT_S:
        ca, da, dm, gm, dq, gq, dn, gn, ds, gs = CANT_S[line]
        return (ca + da * h) + dm * h ** gm * z ** (dq * h ** gq) - dn * h ** gn * math.exp(ds * h ** gs * z)
    if line in CANT_L:
        ca, da, dm, gm, db, gb, dq, n, cs, ds, cr, dr = CANT_L[line]
        ek = hv - be
        if ek <= 0:
            return None
        s = cs + ds / h
        r = cr + dr * h
        t = (ek / r) ** s
        return (ca + da * h) - dm * h ** gm * (z - db * h ** gb) ** 2 * z ** (dq * h) - n * math.exp(-t)
    return None


# ---------------------------------------------------------------- element constants
VALENCE = {  # symbol: (usual valence, oxygens in oxide formula unit)
    'H': (1, 1), 'He': (0, 0), 'Li': (1, 1), 'Be': (2, 1), 'B': (3, 3), 'C': (4, 2), 'N': (5, 5),
    'O': (2, 0), 'F': (1, 0), 'Ne': (0, 0), 'Na': (1, 1), 'Mg': (2, 1), 'Al': (3, 3), 'Si': (4, 2),
    'P': (5, 5), 'S': (6, 3), 'Cl': (1, 0), 'Ar': (0, 0), 'K': (1, 1), 'Ca': (2, 1), 'Sc': (3, 3),
    'Ti': (4, 2), 'V': (5, 5), 'Cr': (3, 3), 'Mn': (2, 1), 'Fe': (3, 3), 'Co': (2, 1), 'Ni': (2, 1),
    'Cu': (2, 1), 'Zn': (2, 1), 'Ga': (3, 3), 'Ge': (4, 2), 'As': (3, 3), 'Se': (4, 2), 'Br': (1, 0),
    'Kr': (0, 0), 'Rb': (1, 1), 'Sr': (2, 1), 'Y': (3, 3), 'Zr': (4, 2), 'Nb': (5, 5), 'Mo': (6, 3),
    'Tc': (4, 2), 'Ru': (4, 2), 'Rh': (3, 3), 'Pd': (2, 1), 'Ag': (1, 1), 'Cd': (2, 1), 'In': (3, 3),
    'Sn': (4, 2), 'Sb': (3, 3), 'Te': (4, 2), 'I': (1, 0), 'Xe': (0, 0), 'Cs': (1, 1), 'Ba': (2, 1),
    'La': (3, 3), 'Ce': (4, 2), 'Pr': (3, 3), 'Nd': (3, 3), 'Pm': (3, 3), 'Sm': (3, 3), 'Eu': (3, 3),
    'Gd': (3, 3), 'Tb': (3, 3), 'Dy': (3, 3), 'Ho': (3, 3), 'Er': (3, 3), 'Tm': (3, 3), 'Yb': (3, 3),
    'Lu': (3, 3), 'Hf': (4, 2), 'Ta': (5, 5), 'W': (6, 3), 'Re': (7, 7), 'Os': (8, 4), 'Ir': (4, 2),
    'Pt': (4, 2), 'Au': (3, 3), 'Hg': (2, 1), 'Tl': (1, 1), 'Pb': (2, 1), 'Bi': (3, 3), 'Po': (4, 2),
    'At': (1, 0), 'Rn': (0, 0), 'Fr': (1, 1), 'Ra': (2, 1), 'Ac': (3, 3), 'Th': (4, 2), 'Pa': (5, 5),
    'U': (4, 2), 'Np': (4, 2), 'Pu': (4, 2), 'Am': (3, 3), 'Cm': (3, 3), 'Bk': (3, 3), 'Cf': (3, 3),
    'Es': (3, 3), 'Fm': (3, 3), 'Md': (3, 3), 'No': (2, 1), 'Lr': (3, 3)}
NV_OVERRIDE = {'Pa': 5, 'U': 6, 'Lr': 17}   # electrons outside the Rn core, like Np..No in the source


def load_nv():
    rows = json.load(open(SRC + '/el_rows.json'))
    hdr = rows[2]
    nv = {}
    for r in rows[3:]:
        d = dict(zip(hdr, r))
        if d.get('type') == 'Element' and d.get('elec_valency'):
            nv[d['formula']] = int(float(d['elec_valency']))
    nv.update(NV_OVERRIDE)
    return nv


def fmt(v, nd=4):
    if v is None:
        return ''
    return ('%.' + str(nd) + 'g') % v


def main():
    booklet = load_booklet()
    nv = load_nv()
    # ---------------- elements.csv
    with open(OUT + '/elements.csv', 'w', newline='') as f:
        w = csv.writer(f, lineterminator='\n')
        w.writerow(['Z', 'symbol', 'name', 'atomic_weight', 'valence', 'oxygens', 'density', 'valence_electrons'])
        for Z in range(1, 104):
            el = pt.elements[Z]
            val, ox = VALENCE[el.symbol]
            assert val == 0 or abs(2 * ox / val - round(2 * ox / val)) < 1e-9 or ox == 0
            w.writerow([Z, el.symbol, el.name.capitalize(), '%.4f' % el.mass if el.mass < 200 else '%.3f' % el.mass,
                        val, ox, '' if el.density is None else fmt(el.density, 5), nv.get(el.symbol, '')])
    # ---------------- lines
    db = sqlite3.connect(SRC + '/sfwagner.db')
    wag_map = {'1s': '1s', '2s': '2s', '2p': '2p', '2p3/2': '2p3', '3p': '3p', '3p3/2': '3p3', '3d': '3d',
               '3d5/2': '3d5', '4p3/2': '4p3', '4d': '4d', '4d5/2': '4d5', '4d7/2': '4f7', '4f': '4f',
               '4f7/2': '4f7', '5d': '5d', '5d5/2': '5d5'}
    wagner, wag_notes = {}, []
    for elem, shell, area, height in db.execute('select element, shell, area, height from wagner'):
        if area is None:
            continue
        if elem == 'Br' and shell == '3p':
            wag_notes.append('Br 3p area 0.14 omitted (out of trend, probably 1.14 mis-transcribed)')
            continue
        key = (elem, wag_map[shell])
        if shell == '4d7/2':
            wag_notes.append('%s "4d7/2" %.3g stored as 4f7 (no 4d7/2 level exists)' % (elem, area))
        wagner[key] = area
    lines_out, beta_rows, origin_notes = [], [], []
    for Z in range(1, 104):
        sym = xrl.AtomicNumberToSymbol(Z)
        bes = binding_energies(Z, booklet)
        for sh, (be, org) in bes.items():
            if org.startswith('xraylib(') and BE_MIN <= be < BE_MAX:
                origin_notes.append('%s %s: %s -> %.1f' % (sym, LINE[sh], org, be))
        recs = []   # (line, be, cs_mg, cs_al, beta_mg, beta_al)
        # group by subshell n,l
        groups = {}
        for sh in SHELLS:
            if sh not in bes:
                continue
            be = bes[sh][0]
            if not (BE_MIN <= be < BE_MAX):
                continue
            cmg, cal = cs_barn(Z, sh, E_MG), cs_barn(Z, sh, E_AL)
            if cmg is None and cal is None:
                continue
            ln = LINE[sh]
            groups.setdefault(ln[:2], []).append((ln, be, cmg, cal, sh))
        for sub in sorted(groups, key=lambda s: -max(g[1] for g in groups[s])):
            g = groups[sub]
            if sub[1] == 's':
                ln, be, cmg, cal, sh = g[0]
                recs.append([sub, be, cmg, cal])
                continue
            g.sort(key=lambda t: t[0])          # lower j first (digit 2j)
            for ln, be, cmg, cal, sh in g:
                recs.append([ln, be, cmg, cal])
            if len(g) == 2:
                occ = [int(t[0][2]) + 1 for t in g]
                be_w = sum(o * t[1] for o, t in zip(occ, g)) / sum(occ)
                s_mg = sum(t[2] for t in g) if all(t[2] for t in g) else None
                s_al = sum(t[3] for t in g) if all(t[3] for t in g) else None
                recs.append([sub, be_w, s_mg, s_al])
        # cap at 20 lines: drop the shallowest subshells
        while len(recs) > 20:
            last = recs[-1][0][:2]
            recs = [r for r in recs if r[0][:2] != last]
        for ln, be, cmg, cal in recs:
            rel_mg = cmg / C1S[E_MG] if cmg else None
            rel_al = cal / C1S[E_AL] if cal else None
            wag = wagner.get((sym, ln))
            lines_out.append([Z, sym, ln, round(be, 2), rel_mg, rel_al, None, wag, None])
    with open(OUT + '/lines.csv', 'w', newline='') as f:
        w = csv.writer(f, lineterminator='\n')
        w.writerow(['Z', 'symbol', 'line', 'binding_energy', 'cs_scofield_mg', 'cs_scofield_al',
                    'cs_evans', 'cs_wagner', 'cs_nefedov'])
        for r in lines_out:
            w.writerow(r[:3] + ['%.1f' % r[3]] + [fmt(v) for v in r[4:]])
    print(json.dumps({'origin_notes': origin_notes, 'wagner_notes': wag_notes,
                      'wagner_unmatched': sorted('%s %s' % k for k in wagner
                                                 if not any(r[1] == k[0] and r[2] == k[1] for r in lines_out))},
                     indent=1))
    return lines_out



# ---------------------------------------------------------------- second stage
def beta_of_line(Z, ln, be, hv, comps):
    """beta for a stored line; whole subshells get the cross-section weighted mean of components."""
    if ln[1] == 's':
        return 2.0
    if len(ln) == 3:
        return beta_cant(Z, ln, hv, be)
    parts = [(c[0], c[1], c[2]) for c in comps if c[0][:2] == ln]
    num = den = 0.0
    for cl, cbe, cs in parts:
        b = beta_cant(Z, cl, hv, cbe)
        if b is None or not cs:
            return None
        num += b * cs
        den += cs
    return num / den if den else None


def fit_asymmetry(lines):
    """One polynomial per subshell letter and source (the program uses the first entry of a letter)."""
    rows, resid, beta_rows = [], [], []
    by_z = {}
    for r in lines:
        by_z.setdefault(r[0], []).append(r)
    for src, hv, col in (('mg', E_MG, 4), ('al', E_AL, 5)):
        for letter in 'pdf':
            zs, bs = [], []
            for Z, recs in sorted(by_z.items()):
                comps = [(r[2], r[3], r[col]) for r in recs if len(r[2]) == 3]
                cands = [r for r in recs if len(r[2]) == 2 and r[2][1] == letter and r[col] and r[3] < hv - 150]
                if not cands:
                    continue
                main = max(cands, key=lambda r: r[col])      # the strongest subshell of this letter
                b = beta_of_line(Z, main[2], main[3], hv, comps)
                if b is not None:
                    zs.append(Z)
                    bs.append(b)
                    beta_rows.append((src, letter, Z, main[1], main[2], b))
            zs, bs = np.array(zs, float), np.array(bs)
            zl, zh = int(zs.min()), int(zs.max())
            deg = min(6, len(zs) - 1)
            # fit in a scaled variable, then expand to powers of Z, round to float32
            u0, us = (zl + zh) / 2.0, (zh - zl) / 2.0
            cu = np.polynomial.polynomial.polyfit((zs - u0) / us, bs, deg)
            pz = np.polynomial.Polynomial(cu, domain=[-1, 1], window=[-1, 1])
            # expand p((Z-u0)/us) into powers of Z
            coef = np.zeros(7)
            lin = np.polynomial.Polynomial([-u0 / us, 1.0 / us])
            acc = np.polynomial.Polynomial([0.0])
            for k, ck in enumerate(cu):
                acc = acc + ck * lin ** k
            coef[:len(acc.coef)] = acc.coef
            c32 = coef.astype(np.float32)
            zz = np.arange(max(1, zl - 3), min(103, zh + 3) + 1, dtype=np.float32)
            ev32 = np.zeros_like(zz)
            for k in range(6, -1, -1):                      # Horner in single precision
                ev32 = ev32 * zz + c32[k]
            ev64 = np.polyval(coef[::-1], zs)
            err = ev64 - bs
            err32 = np.interp(zs, zz, ev32) - ev64
            rows.append([src, letter, zl, zh] + ['%.9g' % c for c in c32])
            resid.append((src, letter, zl, zh, len(zs), float(np.sqrt(np.mean(err ** 2))), float(np.max(np.abs(err))),
                          int(zs[np.argmax(np.abs(err))]), float(np.max(np.abs(err32)))))
    return rows, resid, beta_rows


def geometry_weights():
    edges = np.radians(np.arange(0, 91, 10))
    sphere = np.sin(edges[1:]) ** 2 - np.sin(edges[:-1]) ** 2
    cyl = np.sin(edges[1:]) - np.sin(edges[:-1])
    return sphere / sphere.sum(), cyl / cyl.sum()


def sphere_row_weights(alpha_deg, n=4_000_000, seed=1, neighbours=3):
    """Touching spheres (radius 1) in a row along x on a support z=0, analyser axis along +z,
    emission directions uniform in a cone of half-angle alpha. Weight = projected area (n.d) of
    unobstructed surface elements, binned by the local emission angle t = acos(n.d)."""
    rng = np.random.default_rng(seed)
    w = np.zeros(9)
    done = 0
    while done < n:
        m = min(500_000, n - done)
        v = rng.normal(size=(m, 3))
        nrm = v / np.linalg.norm(v, axis=1)[:, None]          # outward normal = position - centre
        ca = np.cos(np.radians(alpha_deg))
        cz = 1 - rng.random(m) * (1 - ca)                      # uniform in solid angle
        ph = rng.random(m) * 2 * np.pi
        sz = np.sqrt(1 - cz ** 2)
        d = np.stack([sz * np.cos(ph), sz * np.sin(ph), cz], axis=1)
        c = np.einsum('ij,ij->i', nrm, d)
        ok = c > 0
        p = nrm + np.array([0, 0, 1.0])                        # centre at (0,0,1)
        for k in range(1, neighbours + 1):
            for sgn in (-1, 1):
                q = p - np.array([2.0 * k * sgn, 0, 1.0])      # relative to neighbour centre
                b = np.einsum('ij,ij->i', q, d)
                cc = np.einsum('ij,ij->i', q, q) - 1.0
                disc = b * b - cc
                hit = (disc > 0) & (-b - np.sqrt(np.maximum(disc, 0)) > 1e-12)
                ok &= ~hit
        t = np.degrees(np.arccos(np.clip(c[ok], 0, 1)))
        idx = np.minimum((t // 10).astype(int), 8)
        w += np.bincount(idx, weights=c[ok], minlength=9)
        done += m
    return w / w.sum()


def stage2(lines):
    rows, resid, beta_rows = fit_asymmetry(lines)
    with open(OUT + '/asymmetry.csv', 'w', newline='') as f:
        wr = csv.writer(f, lineterminator='\n')
        wr.writerow(['source', 'key', 'z_low', 'z_high', 'c0', 'c1', 'c2', 'c3', 'c4', 'c5', 'c6'])
        wr.writerows(rows)
    sph, cyl = geometry_weights()
    row = {a: sphere_row_weights(a) for a in (0, 10, 20, 30)}
    with open(OUT + '/geometry_weights.csv', 'w', newline='') as f:
        wr = csv.writer(f, lineterminator='\n')
        wr.writerow(['record'] + ['w%d' % i for i in range(1, 10)])
        wr.writerow(['sphere'] + ['%.6f' % v for v in sph])
        wr.writerow(['cylinder'] + ['%.6f' % v for v in cyl])
        wr.writerow(['sphere_row'] + ['%.6f' % v for v in row[20]])
    # average factors: mean of Scofield(Mg)/set over lines with both values
    ratios = [r[4] / r[7] for r in lines if r[4] and r[7]]
    with open(OUT + '/average_factors.csv', 'w', newline='') as f:
        wr = csv.writer(f, lineterminator='\n')
        wr.writerow(['set', 'factor'])
        wr.writerow(['evans', ''])
        wr.writerow(['wagner', '%.4f' % np.mean(ratios)])
        wr.writerow(['nefedov', ''])
    with open(OUT + '/beta_lines.csv', 'w', newline='') as f:
        wr = csv.writer(f, lineterminator='\n')
        wr.writerow(['source', 'key', 'Z', 'symbol', 'line', 'beta'])
        for r in beta_rows:
            wr.writerow(list(r[:5]) + ['%.4f' % r[5]])
    return {'resid': resid, 'row': {a: list(v) for a, v in row.items()}, 'sphere': list(sph), 'cyl': list(cyl),
            'wagner_ratios': {'n': len(ratios), 'mean': float(np.mean(ratios)), 'median': float(np.median(ratios)),
                              'geomean': float(np.exp(np.mean(np.log(ratios)))), 'min': float(np.min(ratios)),
                              'max': float(np.max(ratios)), 'sd': float(np.std(ratios))}}


if __name__ == '__main__':
    L = main()
    print(json.dumps(stage2(L), indent=1))
