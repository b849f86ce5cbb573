// Continent globes: an orthographic view of Natural Earth countries centred
// on the continent, its countries highlighted, other land muted, sea blue.
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { geoOrthographic, geoPath, geoGraticule10, geoCentroid, geoDistance, geoArea } from 'd3-geo';
import { feature } from 'topojson-client';
import { COUNTRIES } from './countries.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const world = JSON.parse(fs.readFileSync(path.join(here, 'node_modules/world-atlas/countries-50m.json'), 'utf8'));

const SIZE = 300;
const RADIUS = 147;

// View centre [lon, lat] of each continent, and how far from it a part of a
// listed country may lie and still be highlighted (keeps overseas parts of
// European states muted).
const VIEW = {
  1: { centre: [15, 52], reach: 60 },
  2: { centre: [88, 30], reach: 180 },
  3: { centre: [-92, 36], reach: 180 },
  4: { centre: [-60, -18], reach: 180 },
  5: { centre: [18, 2], reach: 180 },
  6: { centre: [162, -14], reach: 180 },
};

// Map units without an ISO id that belong to a listed state.
const ALIAS = { Somaliland: '706', 'N. Cyprus': '196' };
// Too small for the 50m map: drawn as a marker only.
const MISSING = { '798': [179.2, -8.5] };
// The map's data splits Western Sahara between its own shape and Morocco's
// (the part south of 27°40' N): both are drawn on top, muted, since only
// Morocco is listed.
const SAHARA_NORTH = 27 + 40 / 60;
// Small states inside other highlighted land: no marker.
const NO_MARKER = new Set(['336', '674', '492', '438', '020', '442']);

const COLOURS = {
  seaLight: '#7cc0f0',
  seaDark: '#2c68b4',
  land: '#d9d3c2',
  landEdge: '#aaa38f',
  high: '#f7b236',
  highEdge: '#b5690c',
  rim: '#1c4a86',
};

const countries = feature(world, world.objects.countries).features;

function idOf(f) {
  if (f.id) return f.id;
  if (f.properties.name === 'Kosovo') return 'Kosovo';
  return ALIAS[f.properties.name] ?? null;
}

// Splits a feature into one feature per polygon.
function parts(f) {
  const g = f.geometry;
  if (!g) return [];
  const polys = g.type === 'MultiPolygon' ? g.coordinates : [g.coordinates];
  return polys.map((p) => ({ type: 'Feature', properties: f.properties, geometry: { type: 'Polygon', coordinates: p } }));
}

// The part of a polygon south of a latitude (clipped in plain lon/lat,
// enough for a small area).
function southOf(p, lat) {
  const clip = (ring) => {
    const out = [];
    for (let i = 0; i < ring.length; i++) {
      const a = ring[i], b = ring[(i + 1) % ring.length];
      const ina = a[1] <= lat, inb = b[1] <= lat;
      if (ina) out.push(a);
      if (ina !== inb) out.push([a[0] + ((lat - a[1]) * (b[0] - a[0])) / (b[1] - a[1]), lat]);
    }
    if (out.length) out.push(out[0]);
    return out;
  };
  const rings = p.geometry.coordinates.map(clip).filter((r) => r.length > 3);
  return { type: 'Feature', geometry: { type: 'Polygon', coordinates: rings } };
}

export function globeSvg(continent) {
  const { centre, reach } = VIEW[continent];
  const listed = new Set(COUNTRIES.filter((r) => r[0] === continent).map((r) => r[2]));
  const projection = geoOrthographic()
    .rotate([-centre[0], -centre[1]])
    .translate([SIZE / 2, SIZE / 2])
    .scale(RADIUS)
    .clipAngle(90)
    .precision(0.1);
  const pathOf = geoPath(projection);
  const fmt = (d) => (d ? d.replace(/(\d+\.\d)\d+/g, '$1') : '');

  const muted = [];
  const high = [];
  const onTop = [];
  const area = new Map();
  const centroidOf = new Map();
  for (const f of countries) {
    const id = idOf(f);
    const isListed = id && listed.has(id);
    for (const p of parts(f)) {
      const near = geoDistance(geoCentroid(p), centre) * (180 / Math.PI) <= reach;
      const d = fmt(pathOf(p));
      if (!d) continue;
      if (isListed && near) {
        high.push(d);
        area.set(id, (area.get(id) ?? 0) + pathOf.area(p));
      } else (id === '732' ? onTop : muted).push(d);
    }
    if (id === '504') for (const p of parts(f)) onTop.push(fmt(pathOf(southOf(p, SAHARA_NORTH))));
    // The marker of a state goes to its largest shape.
    if (isListed && geoArea(f) > (centroidOf.get(id)?.[2] ?? -1)) centroidOf.set(id, [...geoCentroid(f), geoArea(f)]);
  }
  const markers = [];
  for (const [id, c] of centroidOf) if ((area.get(id) ?? 0) < 6 && !NO_MARKER.has(id)) markers.push([c[0], c[1]]);
  for (const id of listed) if (!centroidOf.has(id) && MISSING[id]) markers.push(MISSING[id]);

  const dots = markers
    .filter((c) => geoDistance(c, centre) < Math.PI / 2 * 0.97)
    .map((c) => projection(c))
    .map(([x, y]) => `<circle cx="${x.toFixed(1)}" cy="${y.toFixed(1)}" r="2.6"/>`)
    .join('');

  const c = SIZE / 2;
  return `<svg xmlns="http://www.w3.org/2000/svg" width="${SIZE}" height="${SIZE}" viewBox="0 0 ${SIZE} ${SIZE}">
<defs>
<radialGradient id="sea" cx="0.38" cy="0.34" r="0.75">
<stop offset="0" stop-color="${COLOURS.seaLight}"/><stop offset="1" stop-color="${COLOURS.seaDark}"/>
</radialGradient>
<radialGradient id="shade" cx="0.38" cy="0.34" r="0.72">
<stop offset="0" stop-color="#ffffff" stop-opacity="0.22"/>
<stop offset="0.55" stop-color="#ffffff" stop-opacity="0"/>
<stop offset="1" stop-color="#0a2850" stop-opacity="0.30"/>
</radialGradient>
</defs>
<circle cx="${c}" cy="${c}" r="${RADIUS}" fill="url(#sea)"/>
<path d="${fmt(pathOf(geoGraticule10()))}" fill="none" stroke="#ffffff" stroke-opacity="0.22" stroke-width="0.5"/>
<path d="${muted.join('')}" fill="${COLOURS.land}" stroke="${COLOURS.landEdge}" stroke-width="0.35" stroke-linejoin="round"/>
<path d="${high.join('')}" fill="${COLOURS.high}" stroke="${COLOURS.highEdge}" stroke-width="0.45" stroke-linejoin="round"/>
<path d="${onTop.join('')}" fill="${COLOURS.land}" stroke="${COLOURS.landEdge}" stroke-width="0.35" stroke-linejoin="round"/>
<g fill="${COLOURS.high}" stroke="${COLOURS.highEdge}" stroke-width="0.8">${dots}</g>
<circle cx="${c}" cy="${c}" r="${RADIUS}" fill="url(#shade)"/>
<circle cx="${c}" cy="${c}" r="${RADIUS - 0.6}" fill="none" stroke="${COLOURS.rim}" stroke-width="1.2"/>
</svg>
`;
}
